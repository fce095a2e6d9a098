#pragma once

#include "core/ReferenceLists.h"

#include <optional>
#include <string>
#include <string_view>

class QDialog;
class QLineEdit;
class QWidget;

namespace belvane::dlg {

// The title of an entry dialog: the dialog's own for a new record, string
// `correctionTitle` for a correction.
void SetEntryTitle(QDialog* dialog, int dialogId, bool nouveau, int correctionTitle);

// The name field `control` of an entry dialog (32 characters), showing `nom`
// whole even when it is longer.
QLineEdit* NameEdit(QWidget* parent, int control, std::string_view nom);

// The two refusals of an entry dialog's name, as string numbers.
struct NameMessages {
    int empty;  // no name typed
    int taken;  // another record of the list has it, letter case ignored
};

// The OK of an entry dialog on the name typed in `field`: the name to store, or,
// when CheckName refuses it, nothing after showing the refusal (warning icon)
// and moving the focus to `field`.
std::optional<std::string> AcceptName(QWidget* dialog, QLineEdit* field, NameMessages messages,
                                      const NameTaken& taken);

}  // namespace belvane::dlg
