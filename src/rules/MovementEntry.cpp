#include "rules/MovementEntry.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "core/Text.h"
#include "core/ValueFormat.h"
#include "rules/Generation.h"

#include <cstdint>

namespace belvane {

namespace {

constexpr int kMaxMonths = 99;
constexpr int kMaxDay = 31;

// A months or day field within [1, maximum]; a text that does not read is not.
bool InRange(std::string_view text, int maximum) {
    const std::optional<int> n = ParseSmallNumber(text);
    return n && *n >= 1 && *n <= maximum;
}

}  // namespace

EntryStep MovementEntryChecks::Next() {
    const MovementEntryTexts& t = m_texts;
    switch (m_stage) {
        case Stage::Title:
            if (text::IsBlank(t.titre))
                return {EntryStep::Refuse, EntryField::Title, ids::kMsgMovementTitleMissing};
            m_stage = Stage::NextDate;
            [[fallthrough]];
        case Stage::NextDate:
            if (m_doc.Format().ParseDate(t.nextDate, true) == 0)
                return {EntryStep::Refuse, EntryField::NextDate, ids::kMsgNextDateInvalid};
            m_stage = Stage::Months;
            [[fallthrough]];
        case Stage::Months:
            if (!InRange(t.months, kMaxMonths))
                return {EntryStep::Refuse, EntryField::Months, ids::kMsgMovementMonthsOutOfRange};
            m_stage = Stage::Day;
            [[fallthrough]];
        case Stage::Day:
            if (!InRange(t.day, kMaxDay))
                return {EntryStep::Refuse, EntryField::Day, ids::kMsgDayOutOfRange};
            m_stage = Stage::Amount;
            [[fallthrough]];
        case Stage::Amount:
            if (const int refusal = m_doc.Format().ParseAmount(t.amount).Refusal())
                return {EntryStep::Refuse, EntryField::Amount, refusal};
            m_stage = Stage::Names;
            [[fallthrough]];
        case Stage::Names:
            break;
    }
    const EntryStep step = m_names.Next();
    if (step.action == EntryStep::Accept)
        return {EntryStep::Accept, EntryField::Title, 0};
    return step;
}

CMouvementAuto BuildMovement(const CBelvaneDoc& doc, const MovementEntryTexts& t) {
    CMouvementAuto m;
    m.m_titre = t.titre;
    m.m_nbMois = static_cast<std::uint16_t>(ParseSmallNumber(t.months).value_or(0));
    m.m_jour = static_cast<std::uint16_t>(ParseSmallNumber(t.day).value_or(0));
    m.m_prochaineDate = AlignNextDate(doc.Format().ParseDate(t.nextDate, true), m.m_jour);
    m.m_paiement = t.paiement;
    m.m_montant = doc.Format().ParseAmount(t.amount).Signed(t.credit);
    m.m_rubrique = t.rubrique;
    m.m_sousRubrique = t.sousRubrique;
    m.m_beneficiaire = t.beneficiaire;
    m.m_observation = t.observation;
    return m;
}

}  // namespace belvane
