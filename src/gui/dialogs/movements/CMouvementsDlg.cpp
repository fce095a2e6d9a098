#include "gui/dialogs/movements/CMouvementsDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/lists/ReferenceListPanel.h"
#include "gui/dialogs/movements/CMouvementDlg.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "gui/support/WindowSizing.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 184;
constexpr ReferenceListPanel::Controls kControls{1117, 1062, 1063, 1064};

}  // namespace

CMouvementsDlg::CMouvementsDlg(CBelvaneDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);
    ReferenceListPanel::Records records{
        .count = [this] { return m_doc.GetMouvementCount(); },
        .name = [this](int i) { return m_doc.GetMouvement(i).GetTitre(); },
        .create =
            [this] {
                CMouvementAuto mouvement;
                if (EditMouvement(mouvement, true))
                    m_doc.AddMouvement(mouvement);
            },
        .modify =
            [this](int i) {
                // Out of the register while it is edited; back at its title's place.
                const CMouvementAuto before = m_doc.GetMouvement(i);
                const CBelvaneDoc::UnfinishedChange editing(m_doc);
                m_doc.DeleteMouvement(i);
                CMouvementAuto edited = before;
                m_doc.AddMouvement(EditMouvement(edited, false) ? edited : before);
            },
        .remove = [this](int i) { m_doc.DeleteMouvement(i); },
        .removeQuestion = ids::kAskRemoveMovement};
    auto* panel = new ReferenceListPanel(this, kDialog, kControls, std::move(records));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(panel->List(), 1);
    layout->addLayout(panel->ButtonColumn(ReferenceListPanel::HelpAndClose(this, kDialog)));
    dlg::SizeWindow(this, kDialog, QSize(380, 260));
    panel->Fill();
}

bool CMouvementsDlg::EditMouvement(CMouvementAuto& mouvement, bool nouveau) {
    CMouvementDlg entry(m_doc, mouvement,
                        nouveau ? CMouvementDlg::kNew : CMouvementDlg::kCorrection, this);
    return RunModal(entry) == QDialog::Accepted;
}

}  // namespace belvane
