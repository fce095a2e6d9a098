#include "gui/window/LineCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/dialogs/lines/CReleveDlg.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"

namespace belvane {

void RunNewLineSequence(CBelvaneDoc& doc, QWidget* parent) {
    if (doc.GetLineCount() >= CBelvaneDoc::kMaxLines) {
        dlg::Refuse(parent, ids::kMsgMaxLines);
        return;
    }
    CLigneDlg dialog(doc, parent);
    for (;;) {
        CLigne line;
        if (dialog.Run(line, CLigneDlg::kNew, 0) != QDialog::Accepted)
            return;
        doc.AddLine(line);
        if (doc.GetLineCount() >= CBelvaneDoc::kMaxLines) {
            dlg::Refuse(parent, ids::kMsgMaxLines);
            return;
        }
    }
}

bool CorrectLine(CBelvaneDoc& doc, int index, QWidget* parent) {
    if (index < 0 || index >= doc.GetLineCount())
        return false;
    CLigne line = doc.GetLine(index);
    CLigneDlg dialog(doc, parent);
    if (dialog.Run(line, CLigneDlg::kCorrection, index) != QDialog::Accepted)
        return false;
    doc.ReplaceLine(index, line);
    return true;
}

void ToggleStatementMode(CBelvaneDoc& doc, QWidget* parent) {
    if (doc.IsStatementMode()) {
        doc.SetStatementMode(false, 0);
        return;
    }
    CReleveDlg dialog(doc.Format(), CReleveDlg::kStatement, doc.GetStatementDate(), parent);
    if (RunModal(dialog) == QDialog::Accepted)
        doc.SetStatementMode(true, dialog.Date());
}

}  // namespace belvane
