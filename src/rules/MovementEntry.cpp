#include "rules/MovementEntry.h"

#include "core/CBelvaneDoc.h"
#include "core/ValueFormat.h"
#include "rules/Generation.h"

#include <cstdint>

namespace belvane {

namespace {

constexpr int kNextDateInvalid = 10013;
constexpr int kTitleMissing = 10014;
constexpr int kMonthsOutOfRange = 10015;
constexpr int kDayOutOfRange = 10031;
constexpr int kAmountTooLarge = 10111;

constexpr unsigned kMaxMonths = 99;
constexpr unsigned kMaxDay = 31;

}  // namespace

unsigned ReadUnsigned(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    unsigned value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
        if (value > 100000)  // out of every range already; no overflow
            break;
    }
    return value;
}

EntryStep MovementEntryChecks::Next() {
    const MovementEntryTexts& t = m_texts;
    switch (m_stage) {
        case Stage::Title:
            if (t.titre.empty())
                return {EntryStep::Refuse, EntryField::Title, kTitleMissing};
            m_stage = Stage::NextDate;
            [[fallthrough]];
        case Stage::NextDate:
            if (m_doc.ParseDate(t.nextDate, true) == 0)
                return {EntryStep::Refuse, EntryField::NextDate, kNextDateInvalid};
            m_stage = Stage::Months;
            [[fallthrough]];
        case Stage::Months: {
            const unsigned months = ReadUnsigned(t.months);
            if (months < 1 || months > kMaxMonths)
                return {EntryStep::Refuse, EntryField::Months, kMonthsOutOfRange};
            m_stage = Stage::Day;
        }
            [[fallthrough]];
        case Stage::Day: {
            const unsigned day = ReadUnsigned(t.day);
            if (day < 1 || day > kMaxDay)
                return {EntryStep::Refuse, EntryField::Day, kDayOutOfRange};
            m_stage = Stage::Amount;
        }
            [[fallthrough]];
        case Stage::Amount:
            if (!AmountFits(t.amount))
                return {EntryStep::Refuse, EntryField::Amount, kAmountTooLarge};
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
    m.m_nbMois = static_cast<std::uint16_t>(ReadUnsigned(t.months));
    m.m_jour = static_cast<std::uint16_t>(ReadUnsigned(t.day));
    m.m_prochaineDate = AlignNextDate(doc.ParseDate(t.nextDate, true), m.m_jour);
    m.m_paiement = t.paiement;
    m.m_montant = ParseAmount(t.amount);
    if (!t.credit)
        m.m_montant = -m.m_montant;
    m.m_rubrique = t.rubrique;
    m.m_sousRubrique = t.sousRubrique;
    m.m_beneficiaire = t.beneficiaire;
    m.m_observation = t.observation;
    return m;
}

}  // namespace belvane
