#include "rules/ValidityDate.h"

#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"

#include <algorithm>
#include <cstdint>

namespace belvane {

namespace {

// Day `day` of the given month, or its last day when the month is shorter; the
// month may exceed 12 and is carried into the year.
std::int64_t ClampedDay(std::int64_t year, std::int64_t month, int day) {
    year += (month - 1) / 12;
    month = (month - 1) % 12 + 1;
    if (year > 9999)  // far outside any register; let the range check refuse it
        return INT64_MAX;
    const int y = static_cast<int>(year);
    const int m = static_cast<int>(month);
    return DaysFromCivil(y, m, std::min(day, DaysInMonth(y, m)));
}

}  // namespace

DayDate ComputeValidityDate(const CPaiement& paiement, DayDate dateEmission, bool credit) {
    if (dateEmission == 0)
        return 0;
    const CivilDate issue = ToCivil(dateEmission);
    const int p1 = paiement.m_donnee1;
    const int p2 = paiement.m_donnee2;

    std::int64_t days = 0;
    switch (paiement.m_methode) {
        case CPaiement::kFixedDay: {
            const std::int64_t month = issue.month + (issue.day > p1 ? 1 : 0);
            days = ClampedDay(issue.year, month, p1);
            break;
        }
        case CPaiement::kFixedDayLater: {
            const std::int64_t month = issue.month + (issue.day > p1 ? 1 : 0) + p2;
            days = ClampedDay(issue.year, month, p1);
            break;
        }
        case CPaiement::kSameDayLater:
            days = ClampedDay(issue.year, static_cast<std::int64_t>(issue.month) + p2, issue.day);
            break;
        case CPaiement::kShiftDays: {
            const auto shift = static_cast<std::int16_t>(credit ? p2 : p1);
            days = DaysFromCivil(issue.year, issue.month, issue.day) + shift;
            break;
        }
        default:
            return dateEmission;
    }

    const std::int64_t first = DaysFromCivil(1990, 1, 1);
    const std::int64_t last = DaysFromCivil(2035, 12, 31);
    if (days < first || days > last)
        return dateEmission;
    // A day of 0 (a parameter stored as 0) rolls back into the month before, as the
    // calendar does for "day 0"; it stays a valid day.
    return static_cast<DayDate>(days * 86400 - kDayDateZoneOffset);
}

DayDate ValidityDateFor(const CBelvaneDoc& doc, DayDate dateEmission, std::string_view paiement,
                        bool credit) {
    if (dateEmission == 0)
        return 0;
    const int i = doc.FindPaiement(paiement);
    return i < 0 ? dateEmission : ComputeValidityDate(doc.GetPaiement(i), dateEmission, credit);
}

}  // namespace belvane
