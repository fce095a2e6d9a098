#include "gui/dialogs/lists/CBeneficiairesDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "gui/dialogs/lists/CBeneficiaireDlg.h"
#include "gui/dialogs/lists/ReferenceListPanel.h"
#include "gui/dialogs/lists/ReferenceListRecords.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "gui/support/WindowSizing.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace belvane {

namespace {

constexpr int kDialog = 169;
constexpr ReferenceListPanel::Controls kControls{1034, 1062, 1063, 1064, 1087, 1088, 1215, 1216};

}  // namespace

CBeneficiairesDlg::CBeneficiairesDlg(CBelvaneDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);
    auto* panel = new ReferenceListPanel(
        this, kDialog, kControls,
        DocumentList<CBeneficiaire>(doc,
                                    std::bind_front(&CBeneficiairesDlg::EditBeneficiaire, this)));
    const auto helpAndClose = ReferenceListPanel::HelpAndClose(this, kDialog);

    auto* info = new QGroupBox(dlg::Text(kDialog, 2001), this);
    info->setObjectName(QStringLiteral("2001"));
    m_phone = dlg::Edit(info, 1089, dlg::kNameChars);
    m_phone->setReadOnly(true);
    m_address = dlg::Named(new QPlainTextEdit(info), 1090);
    m_address->setReadOnly(true);
    m_address->setTabChangesFocus(true);
    auto* infoLayout = new QGridLayout(info);
    infoLayout->addWidget(dlg::Label(info, kDialog, 1089, m_phone), 0, 0);
    infoLayout->addWidget(m_phone, 0, 1);
    infoLayout->addWidget(dlg::Label(info, kDialog, 1090, m_address), 1, 0, Qt::AlignTop);
    infoLayout->addWidget(m_address, 1, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(panel->List(), 1);
    left->addWidget(info);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(panel->ButtonColumn(helpAndClose));
    // Tab reads the left column, the list and its details, before the buttons.
    setTabOrder(panel->List(), m_phone);
    setTabOrder(m_phone, m_address);
    dlg::SizeWindow(this, kDialog, QSize(440, 420));

    connect(panel, &ReferenceListPanel::selectionApplied, this, &CBeneficiairesDlg::ShowDetails);
    panel->Fill();
}

bool CBeneficiairesDlg::EditBeneficiaire(CBeneficiaire& beneficiaire, bool nouveau) {
    CBeneficiaireDlg entry(m_doc, beneficiaire, nouveau, this);
    return RunModal(entry) == QDialog::Accepted;
}

void CBeneficiairesDlg::ShowDetails(int row) {
    std::string phone;
    std::string address;
    if (row >= 0 && row < m_doc.GetBeneficiaireCount())
        m_doc.GetBeneficiaire(row).GetTelephoneAdresse(phone, address);
    m_phone->setText(FromStd(phone));
    m_address->setPlainText(FromStd(address).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

}  // namespace belvane
