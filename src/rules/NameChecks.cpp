#include "rules/NameChecks.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"

namespace belvane {

EntryStep NameChecks::Next() {
    switch (m_stage) {
        case Stage::Paiement:
            m_stage = Stage::Refresh;
            if (!m_paiement.empty() && m_doc.FindPaiement(m_paiement) < 0)
                return {EntryStep::AskCreate, EntryField::Paiement, ids::kAskCreatePaiement};
            [[fallthrough]];
        case Stage::Refresh:
            m_stage = Stage::Rubrique;
            if (m_refreshValidity && !m_paiement.empty())
                return {EntryStep::RefreshValidity, EntryField::Paiement, 0};
            [[fallthrough]];
        case Stage::Rubrique:
            m_stage = Stage::SousRubrique;
            if (!m_rubrique.empty() && m_doc.FindRubrique(m_rubrique) < 0)
                return {EntryStep::AskCreate, EntryField::Rubrique, ids::kAskCreateRubrique};
            [[fallthrough]];
        case Stage::SousRubrique: {
            m_stage = Stage::Payee;
            const int r = m_doc.FindRubrique(m_rubrique);
            if (!m_sousRubrique.empty() && r >= 0 &&
                m_doc.GetRubrique(r).FindSousRubrique(m_sousRubrique) < 0)
                return {EntryStep::AskCreate, EntryField::SousRubrique,
                        ids::kAskCreateSousRubrique};
        }
            [[fallthrough]];
        case Stage::Payee:
            m_stage = Stage::Done;
            if (m_createBeneficiaire)
                return {EntryStep::CreateOnExit, EntryField::Beneficiaire, 0};
            [[fallthrough]];
        case Stage::Done:
            break;
    }
    return {EntryStep::Accept, EntryField::IssueDate, 0};
}

}  // namespace belvane
