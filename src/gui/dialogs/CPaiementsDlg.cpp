#include "gui/dialogs/CPaiementsDlg.h"

#include "gui/dialogs/CPaiementDlg.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/dialogs/ListDialogSupport.h"
#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 157;

}  // namespace

CPaiementsDlg::CPaiementsDlg(CBelvaneDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);
    m_list = dlg::Named(new QListWidget(this), 1031);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* create = dlg::Button(this, kDialog, 1062);
    m_modify = dlg::Button(this, kDialog, 1063);
    m_delete = dlg::Button(this, kDialog, 1064);
    auto* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    auto* close = dlg::Button(this, kDialog, 2);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {create, m_modify, m_delete})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(help);
    buttons->addWidget(close);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
    resize(380, 260);

    connect(create, &QPushButton::clicked, this, &CPaiementsDlg::OnNew);
    connect(m_modify, &QPushButton::clicked, this, &CPaiementsDlg::OnModify);
    connect(m_delete, &QPushButton::clicked, this, &CPaiementsDlg::OnDelete);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-157")); });
    connect(close, &QPushButton::clicked, this, &CPaiementsDlg::reject);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &CPaiementsDlg::ApplySelection);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CPaiementsDlg::OnModify);
    Fill();
}

bool CPaiementsDlg::EditPaiement(CPaiement& paiement, bool nouveau) {
    CPaiementDlg entry(m_doc, paiement, nouveau, this);
    return entry.exec() == QDialog::Accepted;
}

void CPaiementsDlg::Fill() {
    QStringList names;
    for (int i = 0; i < m_doc.GetPaiementCount(); ++i)
        names << dlg::FromStd(m_doc.GetPaiement(i).GetNom());
    listdlg::Fill(m_list, names);
    ApplySelection();
}

void CPaiementsDlg::ApplySelection() {
    listdlg::EnableButtons(m_list, {m_modify, m_delete}, listdlg::Selected(m_list) >= 0);
}

void CPaiementsDlg::OnNew() {
    NewPaiement(m_doc, [this](CPaiement& p) { return EditPaiement(p, true); });
    Fill();
}

void CPaiementsDlg::OnModify() {
    const int i = listdlg::Selected(m_list);
    if (i < 0)
        return;
    ModifyPaiement(m_doc, i, [this](CPaiement& p) { return EditPaiement(p, false); });
    Fill();
}

void CPaiementsDlg::OnDelete() {
    const int i = listdlg::Selected(m_list);
    if (i < 0 || dlg::AskYesNo(this, CResources::Str(10016)) != IMessageBox::Answer::Yes)
        return;
    m_doc.DeletePaiement(i);
    m_doc.UpdateAllViews();
    Fill();
}

}  // namespace belvane
