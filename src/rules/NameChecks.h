#pragma once

#include <string>

// The steps of the entry dialogs' acceptance checks, and the part they share:
// offering to create an unknown payment method, category, subcategory or payee.
namespace belvane {

class CBelvaneDoc;

// The fields a check is about.
enum class EntryField {
    IssueDate,
    StatementDate,
    Amount,
    ValidityDate,
    Paiement,
    Rubrique,
    SousRubrique,
    Beneficiaire,
    Title,
    NextDate,
    Months,
    Day,
};

// One step of the acceptance checks.
struct EntryStep {
    enum Action {
        Refuse,           // show message `stringId`, focus `field`, stay open
        AskCreate,        // ask `stringId` with Yes/No/Cancel about creating `field`
        RefreshValidity,  // refresh the validity field, then read it again
        CreateOnExit,     // create `field` without asking ("Créer en sortie")
        Accept,           // build the record and close
    };
    Action action;
    EntryField field;
    int stringId;

    friend bool operator==(const EntryStep&, const EntryStep&) = default;
};

// The on-the-fly creation steps, in their fixed order: an unknown payment
// method (then, for a line, the validity refresh whenever a method is named),
// an unknown category, an unknown subcategory of a known category, and the
// payee to create on exit. Each call to Next() looks at the document as it is
// then, so that a record created after a question counts; after the last step
// it gives Accept.
class NameChecks {
public:
    NameChecks(const CBelvaneDoc& doc, const std::string& paiement, const std::string& rubrique,
               const std::string& sousRubrique, bool createBeneficiaire, bool refreshValidity)
        : m_doc(doc),
          m_paiement(paiement),
          m_rubrique(rubrique),
          m_sousRubrique(sousRubrique),
          m_createBeneficiaire(createBeneficiaire),
          m_refreshValidity(refreshValidity) {}

    EntryStep Next();

private:
    enum class Stage { Paiement, Refresh, Rubrique, SousRubrique, Payee, Done };

    const CBelvaneDoc& m_doc;
    const std::string& m_paiement;
    const std::string& m_rubrique;
    const std::string& m_sousRubrique;
    bool m_createBeneficiaire;
    bool m_refreshValidity;
    Stage m_stage = Stage::Paiement;
};

}  // namespace belvane
