#pragma once

#include "core/StringTable.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace belvane {

// One complete set of the program's resources under their numbers: strings,
// menus, accelerator tables, toolbars, dialog texts and images. The built-in
// French set is compiled into the program; a language module hands over another
// set in the same text form (documented in docs/language-modules.md).
class CResourceSet {
public:
    struct MenuItem {
        enum class Kind { Popup, Command, Separator, RecentFiles };
        Kind kind = Kind::Command;
        int id = 0;                      // command number (Command)
        std::string text;                // "&Nouveau\tCtrl+N" (Popup, Command)
        std::vector<MenuItem> children;  // Popup
    };
    struct Accelerator {
        int command = 0;
        std::string keys;  // "Ctrl+N", "Ins", "Alt+Backspace", "Shift+F6"
    };
    struct Cursor {
        int hotX = 0;
        int hotY = 0;
        std::string xpm;
    };

    // Parses a resource text; malformed lines are skipped.
    static CResourceSet Parse(std::string_view text);
    // The built-in French set (parsed once).
    static const CResourceSet& Builtin();

    const CStringTable& Strings() const { return m_strings; }
    const std::string& String(int id) const { return m_strings.Get(id); }
    // Top-level items of a menu; nullptr when the set has no such menu.
    const std::vector<MenuItem>* Menu(int id) const;
    const std::vector<Accelerator>* Accelerators(int id) const;
    // Commands of a toolbar in order; 0 stands for a separator.
    const std::vector<int>* Toolbar(int id) const;
    // Text of a dialog control; control 0 is the dialog's title. Empty when absent.
    const std::string& DialogText(int dialog, int control) const;
    // An image as XPM text (bitmaps 127 and 128), or nothing.
    const std::string* Image(int id) const;
    const Cursor* CursorImage(int id) const;

private:
    CStringTable m_strings;
    std::map<int, std::vector<MenuItem>> m_menus;
    std::map<int, std::vector<Accelerator>> m_accelerators;
    std::map<int, std::vector<int>> m_toolbars;
    std::map<std::pair<int, int>, std::string> m_dialogTexts;
    std::map<int, std::string> m_images;
    std::map<int, Cursor> m_cursors;
};

}  // namespace belvane
