#include "rules/Generation.h"

#include "core/CBelvaneDoc.h"
#include "core/CLigne.h"
#include "core/CMouvementAuto.h"
#include "core/DayDate.h"

#include <vector>

namespace belvane {

bool IsDue(const CMouvementAuto& mouvement, DayDate limit) {
    return mouvement.GetProchaineDate() <= limit;
}

bool AnyMovementDue(const CBelvaneDoc& doc, DayDate limit) {
    for (int i = 0; i < doc.GetMouvementCount(); ++i)
        if (IsDue(doc.GetMouvement(i), limit))
            return true;
    return false;
}

GenerationOutcome GenerateLines(CBelvaneDoc& doc, DayDate limit, const OfferLine& offer) {
    GenerationOutcome outcome;
    if (!AnyMovementDue(doc, limit))
        return outcome;
    // Movements that advancing does not move forward: offered no more.
    std::vector<bool> stuck(doc.GetMouvementCount(), false);
    // `step` moves movement i's next date on; a date that did not move forward
    // leaves the movement stuck.
    const auto advance = [&](int i, const auto& step) {
        const DayDate before = doc.GetMouvement(i).GetProchaineDate();
        step();
        if (doc.GetMouvement(i).GetProchaineDate() <= before)
            stuck[i] = true;
    };
    bool offered = true;
    while (offered) {
        offered = false;
        for (int i = 0; i < doc.GetMouvementCount(); ++i) {
            if (stuck[i] || !IsDue(doc.GetMouvement(i), limit))
                continue;
            if (doc.GetLineCount() >= CBelvaneDoc::kMaxLines) {
                outcome.end = GenerationOutcome::LineLimit;
                return outcome;
            }
            offered = true;
            CLigne line(doc.GetMouvement(i));
            switch (offer(i, line)) {
                case OfferAnswer::Create:
                    advance(i, [&] { doc.AddGeneratedLine(line, i); });
                    ++outcome.created;
                    break;
                case OfferAnswer::Revoke:
                    advance(i, [&] { doc.AdvanceNextDate(i); });
                    doc.SetModifiedFlag(true);
                    ++outcome.revoked;
                    break;
                case OfferAnswer::Next:
                    break;
                case OfferAnswer::Cancel:
                    outcome.end = GenerationOutcome::Cancelled;
                    return outcome;
            }
        }
    }
    outcome.end = GenerationOutcome::Done;
    return outcome;
}

DayDate AlignNextDate(DayDate typed, int day) {
    const CivilDate c = ToCivil(typed);
    int year = c.year;
    int month = c.month;
    if (day < c.day && ++month > 12) {
        month = 1;
        ++year;
    }
    const int last = DaysInMonth(year, month);
    return ToDayDate(year, month, day > last ? last : day);
}

}  // namespace belvane
