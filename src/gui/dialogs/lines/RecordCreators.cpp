#include "gui/dialogs/lines/RecordCreators.h"

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "gui/dialogs/lists/CBeneficiaireDlg.h"
#include "gui/dialogs/lists/CPaiementDlg.h"
#include "gui/dialogs/lists/CRubriqueDlg.h"
#include "gui/support/IModal.h"

namespace belvane {

namespace {

RecordCreators MakeDialogCreators() {
    RecordCreators c;
    c.paiement = [](CBelvaneDoc& doc, const std::string& name, QWidget* parent) {
        return NewPaiement(doc, [&](CPaiement& p) {
                   p.m_nom = name;
                   CPaiementDlg entry(doc, p, true, parent);
                   return RunModal(entry) == QDialog::Accepted;
               }) >= 0;
    };
    c.rubrique = [](CBelvaneDoc& doc, const std::string& name, QWidget* parent) {
        return NewRubrique(doc, [&](CRubrique& r) {
                   r.m_nom = name;
                   CRubriqueDlg entry(doc, r, true, parent);
                   return EntryOutcome{RunModal(entry) == QDialog::Accepted, false};
               }) >= 0;
    };
    c.sousRubrique = [](CBelvaneDoc& doc, int rubrique, const std::string& name, QWidget* parent) {
        return NewSousRubrique(doc, rubrique, [&](CSousRubrique& s) {
                   s.m_nom = name;
                   CRubriqueDlg entry(doc, rubrique, s, true, parent);
                   return EntryOutcome{RunModal(entry) == QDialog::Accepted, false};
               }) >= 0;
    };
    c.beneficiaire = [](CBelvaneDoc& doc, const std::string& name, QWidget* parent) {
        return NewBeneficiaire(doc, [&](CBeneficiaire& b) {
                   b.m_nom = name;
                   CBeneficiaireDlg entry(doc, b, true, parent);
                   return RunModal(entry) == QDialog::Accepted;
               }) >= 0;
    };
    return c;
}

}  // namespace

const RecordCreators& DialogCreators() {
    static const RecordCreators creators = MakeDialogCreators();
    return creators;
}

bool CreateNamedRecord(const RecordCreators& creators, CBelvaneDoc& doc, EntryField field,
                       const std::string& paiement, const std::string& rubrique,
                       const std::string& sousRubrique, const std::string& beneficiaire,
                       QWidget* parent) {
    switch (field) {
        case EntryField::Paiement:
            return creators.paiement && creators.paiement(doc, paiement, parent);
        case EntryField::Rubrique:
            return creators.rubrique && creators.rubrique(doc, rubrique, parent);
        case EntryField::SousRubrique: {
            const int r = doc.FindRubrique(rubrique);
            return r >= 0 && creators.sousRubrique &&
                   creators.sousRubrique(doc, r, sousRubrique, parent);
        }
        case EntryField::Beneficiaire:
            return creators.beneficiaire && creators.beneficiaire(doc, beneficiaire, parent);
        default:
            return false;
    }
}

}  // namespace belvane
