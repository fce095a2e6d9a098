#include "gui/dialogs/CBeneficiairesDlg.h"

#include "gui/dialogs/CBeneficiaireDlg.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/dialogs/ListDialogSupport.h"
#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 169;

}  // namespace

CBeneficiairesDlg::CBeneficiairesDlg(CBelvaneDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);
    m_list = dlg::Named(new QListWidget(this), 1034);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* create = dlg::Button(this, kDialog, 1062);
    m_modify = dlg::Button(this, kDialog, 1063);
    m_delete = dlg::Button(this, kDialog, 1064);
    m_up = dlg::Button(this, kDialog, 1087);
    m_down = dlg::Button(this, kDialog, 1088);
    auto* sortUp = dlg::Button(this, kDialog, 1215);
    auto* sortDown = dlg::Button(this, kDialog, 1216);
    auto* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    auto* close = dlg::Button(this, kDialog, 2);

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

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {create, m_modify, m_delete, m_up, m_down, sortUp, sortDown})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    auto* left = new QVBoxLayout;
    left->addWidget(m_list, 1);
    left->addWidget(info);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    resize(440, 420);

    connect(create, &QPushButton::clicked, this, &CBeneficiairesDlg::OnNew);
    connect(m_modify, &QPushButton::clicked, this, &CBeneficiairesDlg::OnModify);
    connect(m_delete, &QPushButton::clicked, this, &CBeneficiairesDlg::OnDelete);
    connect(m_up, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { OnMove(+1); });
    connect(sortUp, &QPushButton::clicked, this, [this] { OnSort(true); });
    connect(sortDown, &QPushButton::clicked, this, [this] { OnSort(false); });
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-169")); });
    connect(close, &QPushButton::clicked, this, &CBeneficiairesDlg::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CBeneficiairesDlg::ApplySelection);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CBeneficiairesDlg::OnModify);
    Fill();
}

bool CBeneficiairesDlg::EditBeneficiaire(CBeneficiaire& beneficiaire, bool nouveau) {
    CBeneficiaireDlg entry(m_doc, beneficiaire, nouveau, this);
    return entry.exec() == QDialog::Accepted;
}

void CBeneficiairesDlg::Fill() {
    QStringList names;
    for (int i = 0; i < m_doc.GetBeneficiaireCount(); ++i)
        names << dlg::FromStd(m_doc.GetBeneficiaire(i).GetNom());
    listdlg::Fill(m_list, names);
    ApplySelection();
}

void CBeneficiairesDlg::ApplySelection() {
    const int i = listdlg::Selected(m_list);
    listdlg::EnableButtons(m_list, {m_modify, m_delete, m_up, m_down}, i >= 0);
    std::string phone;
    std::string address;
    if (i >= 0 && i < m_doc.GetBeneficiaireCount())
        m_doc.GetBeneficiaire(i).GetTelephoneAdresse(phone, address);
    m_phone->setText(dlg::FromStd(phone));
    m_address->setPlainText(
        dlg::FromStd(address).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void CBeneficiairesDlg::OnNew() {
    NewBeneficiaire(m_doc, [this](CBeneficiaire& b) { return EditBeneficiaire(b, true); });
    Fill();
}

void CBeneficiairesDlg::OnModify() {
    const int i = listdlg::Selected(m_list);
    if (i < 0)
        return;
    ModifyBeneficiaire(m_doc, i, [this](CBeneficiaire& b) { return EditBeneficiaire(b, false); });
    Fill();
}

void CBeneficiairesDlg::OnDelete() {
    const int i = listdlg::Selected(m_list);
    if (i < 0 || dlg::AskYesNo(this, CResources::Str(10018)) != IMessageBox::Answer::Yes)
        return;
    m_doc.DeleteBeneficiaire(i);
    m_doc.UpdateAllViews();
    Fill();
}

void CBeneficiairesDlg::OnMove(int delta) {
    if (listdlg::MoveSelected(m_list, [&](int i) { return MoveBeneficiaire(m_doc, i, delta); }))
        Fill();
}

void CBeneficiairesDlg::OnSort(bool ascending) {
    listdlg::SortKeepingSelection(
        m_list, m_doc.GetBeneficiaireCount(), [&] { SortBeneficiaires(m_doc, ascending); },
        [this] { Fill(); });
}

}  // namespace belvane
