#pragma once

#include "core/CResourceSet.h"

#include <QCursor>
#include <QKeySequence>
#include <QPixmap>
#include <QString>

namespace belvane {

// The resource set in force for the whole run (the built-in French one, or the
// language module's) and Qt forms of its entries. Every text a user sees is
// looked up here by number.
class CResources {
public:
    static const CResourceSet& Active();
    // Makes `set` the active set; it must live until the end of the run.
    // nullptr puts back the built-in set.
    static void SetActive(const CResourceSet* set);

    static QString Str(int id);
    static QString DialogText(int dialog, int control);
    static QPixmap Image(int id);
    static QCursor Cursor(int id);
    // "Ctrl+N", "Ins", "Suppr", "RetArr", "Alt+RetArr", "Shift+F6" as a key sequence.
    static QKeySequence Keys(const std::string& text);
    // The status prompt (first part) and the tooltip (second part) of a command's string.
    static QString Prompt(int command);
    static QString Tooltip(int command);
};

}  // namespace belvane
