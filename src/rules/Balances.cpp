#include "rules/Balances.h"

#include "core/CBelvaneDoc.h"

#include <limits>

namespace belvane {

Balances ComputeBalances(const CBelvaneDoc& doc, DayDate from, DayDate to, DayDate today) {
    const Sum start = from == 0 ? doc.GetMontantInitial() : 0;
    Balances b{start, start, start};

    // Without a from-date every date, even 0 or one before 1970, passes the lower test.
    const DayDate lower = from == 0 ? std::numeric_limits<DayDate>::min() : from;
    const DayDate issueUpper = to == 0 ? kOpenEndDate : to;
    const DayDate validityUpper = to == 0 ? today : to;

    for (const CLigne& line : doc.Lines()) {
        if (line.m_dateEmission >= lower && line.m_dateEmission <= issueUpper) {
            b.available += line.m_montant;
            if (line.m_dateReleve != 0)
                b.lastStatement += line.m_montant;
        }
        if (line.m_dateValidite >= lower && line.m_dateValidite <= validityUpper)
            b.real += line.m_montant;
    }
    return b;
}

}  // namespace belvane
