#include "gui/dialogs/CRubriquesDlg.h"

#include "gui/support/CResources.h"
#include "gui/dialogs/CRubriqueDlg.h"
#include "gui/support/DialogSupport.h"
#include "gui/dialogs/ListDialogSupport.h"
#include "core/CBelvaneDoc.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 178;

}  // namespace

CRubriquesDlg::CRubriquesDlg(CBelvaneDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);
    m_list = dlg::Named(new QListWidget(this), 1035);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_sousList = dlg::Named(new QListWidget(this), 1036);
    m_sousList->setSelectionMode(QAbstractItemView::SingleSelection);

    auto* create = dlg::Button(this, kDialog, 1062);
    m_modify = dlg::Button(this, kDialog, 1063);
    m_delete = dlg::Button(this, kDialog, 1064);
    m_up = dlg::Button(this, kDialog, 1087);
    m_down = dlg::Button(this, kDialog, 1088);
    auto* sortUp = dlg::Button(this, kDialog, 1215);
    auto* sortDown = dlg::Button(this, kDialog, 1216);
    m_newSous = dlg::Button(this, kDialog, 1074);
    m_modifySous = dlg::Button(this, kDialog, 1109);
    m_deleteSous = dlg::Button(this, kDialog, 1110);
    m_upSous = dlg::Button(this, kDialog, 1111);
    m_downSous = dlg::Button(this, kDialog, 1112);
    m_sortUpSous = dlg::Button(this, kDialog, 1219);
    m_sortDownSous = dlg::Button(this, kDialog, 1220);
    auto* close = dlg::Button(this, kDialog, 2);
    auto* help = dlg::Button(this, kDialog, dlg::kHelpButton);

    const auto buttonRow = [](std::initializer_list<QPushButton*> row) {
        auto* box = new QGridLayout;
        int column = 0;
        for (QPushButton* b : row) {
            box->addWidget(b, column / 4, column % 4);
            ++column;
        }
        return box;
    };
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    bottom->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dlg::Label(this, kDialog, 1035, m_list));
    layout->addWidget(m_list, 1);
    layout->addLayout(buttonRow({create, m_modify, m_delete, m_up, m_down, sortUp, sortDown}));
    layout->addWidget(dlg::Label(this, kDialog, 1036, m_sousList));
    layout->addWidget(m_sousList, 1);
    layout->addLayout(buttonRow({m_newSous, m_modifySous, m_deleteSous, m_upSous, m_downSous,
                                 m_sortUpSous, m_sortDownSous}));
    layout->addLayout(bottom);
    resize(460, 520);

    connect(create, &QPushButton::clicked, this, &CRubriquesDlg::OnNew);
    connect(m_modify, &QPushButton::clicked, this, &CRubriquesDlg::OnModify);
    connect(m_delete, &QPushButton::clicked, this, &CRubriquesDlg::OnDelete);
    connect(m_up, &QPushButton::clicked, this, [this] { OnMove(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { OnMove(+1); });
    connect(sortUp, &QPushButton::clicked, this, [this] { OnSort(true); });
    connect(sortDown, &QPushButton::clicked, this, [this] { OnSort(false); });
    connect(m_newSous, &QPushButton::clicked, this, &CRubriquesDlg::OnNewSous);
    connect(m_modifySous, &QPushButton::clicked, this, &CRubriquesDlg::OnModifySous);
    connect(m_deleteSous, &QPushButton::clicked, this, &CRubriquesDlg::OnDeleteSous);
    connect(m_upSous, &QPushButton::clicked, this, [this] { OnMoveSous(-1); });
    connect(m_downSous, &QPushButton::clicked, this, [this] { OnMoveSous(+1); });
    connect(m_sortUpSous, &QPushButton::clicked, this, [this] { OnSortSous(true); });
    connect(m_sortDownSous, &QPushButton::clicked, this, [this] { OnSortSous(false); });
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-178")); });
    connect(close, &QPushButton::clicked, this, &CRubriquesDlg::reject);

    connect(m_list, &QListWidget::itemSelectionChanged, this, &CRubriquesDlg::ApplySelection);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &CRubriquesDlg::OnModify);
    connect(m_sousList, &QListWidget::itemSelectionChanged, this,
            &CRubriquesDlg::ApplySousSelection);
    connect(m_sousList, &QListWidget::itemDoubleClicked, this, &CRubriquesDlg::OnModifySous);
    Fill();
}

EntryOutcome CRubriquesDlg::EditRubrique(CRubrique& rubrique, bool nouveau) {
    CRubriqueDlg entry(m_doc, rubrique, nouveau, this);
    const bool accepted = entry.exec() == QDialog::Accepted;
    return {accepted, accepted && entry.RenameEverywhere()};
}

EntryOutcome CRubriquesDlg::EditSousRubrique(int rubrique, CSousRubrique& sousRubrique,
                                             bool nouveau) {
    CRubriqueDlg entry(m_doc, rubrique, sousRubrique, nouveau, this);
    const bool accepted = entry.exec() == QDialog::Accepted;
    return {accepted, accepted && entry.RenameEverywhere()};
}

// --- filling and selection ------------------------------------------------------

void CRubriquesDlg::Fill() {
    QStringList names;
    for (int i = 0; i < m_doc.GetRubriqueCount(); ++i)
        names << dlg::FromStd(m_doc.GetRubrique(i).GetNom());
    listdlg::Fill(m_list, names);
    ApplySelection();
}

void CRubriquesDlg::FillSous() {
    QStringList names;
    const int i = listdlg::Selected(m_list);
    if (i >= 0 && i < m_doc.GetRubriqueCount()) {
        const CRubrique& rubrique = m_doc.GetRubrique(i);
        for (int j = 0; j < rubrique.GetNbSousRubriques(); ++j)
            names << dlg::FromStd(rubrique.GetNomSousRubrique(j));
    }
    listdlg::Fill(m_sousList, names);
    ApplySousSelection();
}

void CRubriquesDlg::ApplySelection() {
    const bool selected = listdlg::Selected(m_list) >= 0;
    listdlg::EnableButtons(
        m_list, {m_modify, m_delete, m_up, m_down, m_newSous, m_sortUpSous, m_sortDownSous},
        selected);
    FillSous();
}

void CRubriquesDlg::ApplySousSelection() {
    listdlg::EnableButtons(m_sousList, {m_modifySous, m_deleteSous, m_upSous, m_downSous},
                           listdlg::Selected(m_sousList) >= 0);
}

// --- categories -----------------------------------------------------------------

void CRubriquesDlg::OnNew() {
    NewRubrique(m_doc, [this](CRubrique& r) { return EditRubrique(r, true); });
    Fill();
}

void CRubriquesDlg::OnModify() {
    const int i = listdlg::Selected(m_list);
    if (i < 0)
        return;
    ModifyRubrique(m_doc, i, [this](CRubrique& r) { return EditRubrique(r, false); });
    Fill();
}

void CRubriquesDlg::OnDelete() {
    const int i = listdlg::Selected(m_list);
    if (i < 0 || dlg::AskYesNo(this, CResources::Str(10019)) != IMessageBox::Answer::Yes)
        return;
    m_doc.DeleteRubrique(i);
    m_doc.UpdateAllViews();
    Fill();
}

void CRubriquesDlg::OnMove(int delta) {
    if (listdlg::MoveSelected(m_list, [&](int i) { return MoveRubrique(m_doc, i, delta); }))
        Fill();
}

void CRubriquesDlg::OnSort(bool ascending) {
    listdlg::SortKeepingSelection(
        m_list, m_doc.GetRubriqueCount(), [&] { SortRubriques(m_doc, ascending); },
        [this] { Fill(); });
}

// --- subcategories of the selected category -------------------------------------

void CRubriquesDlg::OnNewSous() {
    const int i = listdlg::Selected(m_list);
    if (i < 0)
        return;
    NewSousRubrique(m_doc, i, [this, i](CSousRubrique& s) { return EditSousRubrique(i, s, true); });
    FillSous();
}

void CRubriquesDlg::OnModifySous() {
    const int i = listdlg::Selected(m_list);
    const int j = listdlg::Selected(m_sousList);
    if (i < 0 || j < 0)
        return;
    ModifySousRubrique(m_doc, i, j,
                       [this, i](CSousRubrique& s) { return EditSousRubrique(i, s, false); });
    FillSous();
}

void CRubriquesDlg::OnDeleteSous() {
    const int i = listdlg::Selected(m_list);
    const int j = listdlg::Selected(m_sousList);
    if (i < 0 || j < 0 || dlg::AskYesNo(this, CResources::Str(10020)) != IMessageBox::Answer::Yes)
        return;
    m_doc.DeleteSousRubrique(i, j);
    m_doc.UpdateAllViews();
    FillSous();
}

void CRubriquesDlg::OnMoveSous(int delta) {
    const int i = listdlg::Selected(m_list);
    if (i >= 0 && listdlg::MoveSelected(
                      m_sousList, [&](int j) { return MoveSousRubrique(m_doc, i, j, delta); }))
        FillSous();
}

void CRubriquesDlg::OnSortSous(bool ascending) {
    const int i = listdlg::Selected(m_list);
    if (i < 0)
        return;
    listdlg::SortKeepingSelection(
        m_sousList, m_doc.GetRubrique(i).GetNbSousRubriques(),
        [&] { SortSousRubriques(m_doc, i, ascending); }, [this] { FillSous(); });
}

}  // namespace belvane
