#include "gui/dialogs/lists/CPaiementsDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "gui/dialogs/lists/CPaiementDlg.h"
#include "gui/dialogs/lists/ReferenceListPanel.h"
#include "gui/dialogs/lists/ReferenceListRecords.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "gui/support/WindowSizing.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace belvane {

namespace {

constexpr int kDialog = 157;
constexpr ReferenceListPanel::Controls kControls{1031, 1062, 1063, 1064};

}  // namespace

CPaiementsDlg::CPaiementsDlg(CBelvaneDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);
    auto* panel = new ReferenceListPanel(
        this, kDialog, kControls,
        DocumentList<CPaiement>(doc, std::bind_front(&CPaiementsDlg::EditPaiement, this)));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel->List(), 1);
    layout->addLayout(panel->ButtonColumn(ReferenceListPanel::HelpAndClose(this, kDialog)));
    dlg::SizeWindow(this, kDialog, QSize(380, 260));
    panel->Fill();
}

bool CPaiementsDlg::EditPaiement(CPaiement& paiement, bool nouveau) {
    CPaiementDlg entry(m_doc, paiement, nouveau, this);
    return RunModal(entry) == QDialog::Accepted;
}

}  // namespace belvane
