#include "gui/support/ReferenceCombos.h"

#include "core/CBelvaneDoc.h"
#include "gui/paint/QtText.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <QStringList>

namespace belvane {

namespace {

void SetEntries(QComboBox* combo, const QStringList& entries) {
    const QSignalBlocker block(combo);
    const QString text = combo->currentText();
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(-1);
    combo->setEditText(text);
}

}  // namespace

void FillReferenceCombos(const CBelvaneDoc& doc, QComboBox* paiement, QComboBox* beneficiaire,
                         QComboBox* rubrique, QComboBox* sousRubrique) {
    QStringList paiements;
    for (int i = 0; i < doc.GetPaiementCount(); ++i)
        paiements << FromStd(doc.GetPaiement(i).GetNom());
    SetEntries(paiement, paiements);
    QStringList payees;
    for (int i = 0; i < doc.GetBeneficiaireCount(); ++i)
        payees << FromStd(doc.GetBeneficiaire(i).GetNom());
    SetEntries(beneficiaire, payees);
    QStringList rubriques;
    for (int i = 0; i < doc.GetRubriqueCount(); ++i)
        rubriques << FromStd(doc.GetRubrique(i).GetNom());
    SetEntries(rubrique, rubriques);
    FillSousRubriqueCombo(doc, rubrique, sousRubrique);
}

void FillSousRubriqueCombo(const CBelvaneDoc& doc, const QComboBox* rubrique,
                           QComboBox* sousRubrique) {
    const std::string name = ToStd(rubrique->currentText());
    QStringList names;
    const int n = doc.GetSousRubriqueCount(name);
    for (int j = 0; j < n; ++j)
        names << FromStd(doc.GetSousRubriqueName(name, j));
    SetEntries(sousRubrique, names);
}

}  // namespace belvane
