#include "gui/dialogs/lists/CRubriquesDlg.h"

#include "core/CBelvaneDoc.h"
#include "gui/dialogs/lists/CRubriqueDlg.h"
#include "gui/dialogs/lists/ReferenceListPanel.h"
#include "gui/dialogs/lists/ReferenceListRecords.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "gui/support/WindowSizing.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

namespace belvane {

namespace {

constexpr int kDialog = 178;
constexpr ReferenceListPanel::Controls kRubriques{1035, 1062, 1063, 1064, 1087, 1088, 1215, 1216};
constexpr ReferenceListPanel::Controls kSousRubriques{1036, 1074, 1109, 1110,
                                                      1111, 1112, 1219, 1220};

// The adapter of the subcategories of the category `rubrique()`, the one selected
// in the upper list: none without one.
ReferenceListPanel::Records SousRubriques(
    CBelvaneDoc& doc, std::function<int()> rubrique,
    std::function<EntryOutcome(int, CSousRubrique&, bool)> edit) {
    const auto count = [&doc, rubrique] {
        const int i = rubrique();
        return i < 0 ? 0 : doc.GetRubrique(i).GetNbSousRubriques();
    };
    return {
        .count = count,
        .name = [&doc,
                 rubrique](int j) { return doc.GetRubrique(rubrique()).GetNomSousRubrique(j); },
        .create =
            [&doc, rubrique, edit] {
                const int i = rubrique();
                if (i >= 0)
                    NewSousRubrique(doc, i, [&](CSousRubrique& s) { return edit(i, s, true); });
            },
        .modify =
            [&doc, rubrique, edit](int j) {
                const int i = rubrique();
                ModifySousRubrique(doc, i, j, [&](CSousRubrique& s) { return edit(i, s, false); });
            },
        .remove = [&doc, rubrique](int j) { doc.DeleteSousRubrique(rubrique(), j); },
        .removeQuestion = 10020,
        .move = [&doc, rubrique](int j,
                                 int delta) { return MoveSousRubrique(doc, rubrique(), j, delta); },
        .sort = [&doc,
                 rubrique](bool ascending) { SortSousRubriques(doc, rubrique(), ascending); }};
}

}  // namespace

CRubriquesDlg::CRubriquesDlg(CBelvaneDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);
    auto* rubriques = new ReferenceListPanel(
        this, kDialog, kRubriques,
        DocumentList<CRubrique>(doc, std::bind_front(&CRubriquesDlg::EditRubrique, this)));
    auto* sous =
        new ReferenceListPanel(this, kDialog, kSousRubriques,
                               SousRubriques(
                                   doc, [rubriques] { return rubriques->Selected(); },
                                   std::bind_front(&CRubriquesDlg::EditSousRubrique, this)));
    // A category selected enables the subcategories' "Nouveau" and sorts too, and
    // shows its subcategories.
    rubriques->FollowSelection({sous->Button(1074), sous->Button(1219), sous->Button(1220)});
    connect(rubriques, &ReferenceListPanel::selectionApplied, sous, &ReferenceListPanel::Fill);
    // The tab order goes from list to list, then to the buttons.
    QWidget::setTabOrder(rubriques->List(), sous->List());
    const auto [help, close] = ReferenceListPanel::HelpAndClose(this, kDialog);
    QWidget::setTabOrder(close, help);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);
    bottom->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dlg::Label(this, kDialog, 1035, rubriques->List()));
    layout->addWidget(rubriques->List(), 1);
    layout->addLayout(rubriques->ButtonRows());
    layout->addWidget(dlg::Label(this, kDialog, 1036, sous->List()));
    layout->addWidget(sous->List(), 1);
    layout->addLayout(sous->ButtonRows());
    layout->addLayout(bottom);
    dlg::SizeWindow(this, kDialog, QSize(460, 520));
    rubriques->Fill();
}

EntryOutcome CRubriquesDlg::EditRubrique(CRubrique& rubrique, bool nouveau) {
    CRubriqueDlg entry(m_doc, rubrique, nouveau, this);
    const bool accepted = RunModal(entry) == QDialog::Accepted;
    return {accepted, accepted && entry.RenameEverywhere()};
}

EntryOutcome CRubriquesDlg::EditSousRubrique(int rubrique, CSousRubrique& sousRubrique,
                                             bool nouveau) {
    CRubriqueDlg entry(m_doc, rubrique, sousRubrique, nouveau, this);
    const bool accepted = RunModal(entry) == QDialog::Accepted;
    return {accepted, accepted && entry.RenameEverywhere()};
}

}  // namespace belvane
