#include "gui/support/EntryName.h"

#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"

#include <QDialog>
#include <QLineEdit>

namespace belvane::dlg {

void SetEntryTitle(QDialog* dialog, int dialogId, bool nouveau, int correctionTitle) {
    if (nouveau)
        SetTitle(dialog, dialogId);
    else
        dialog->setWindowTitle(CResources::Str(correctionTitle));
}

QLineEdit* NameEdit(QWidget* parent, int control, std::string_view nom) {
    QLineEdit* edit = Edit(parent, control, kNameChars);
    ShowText(edit, FromStd(nom), kNameChars);
    return edit;
}

std::optional<std::string> AcceptName(QWidget* dialog, QLineEdit* field, NameMessages messages,
                                      const NameTaken& taken) {
    std::string name = ToStd(field->text());
    const NameCheck check = CheckName(name, taken);
    if (check == NameCheck::Ok)
        return name;
    Refuse(dialog, check == NameCheck::Empty ? messages.empty : messages.taken);
    FocusField(field);
    return std::nullopt;
}

}  // namespace belvane::dlg
