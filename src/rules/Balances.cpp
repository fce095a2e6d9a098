#include "rules/Balances.h"

#include "core/CBelvaneDoc.h"

#include <cstdint>
#include <limits>

namespace belvane {

Balances ComputeBalances(const CBelvaneDoc& doc, DayDate from, DayDate to, DayDate today) {
    // Unsigned sums wrap like the 32-bit amounts without undefined behaviour.
    const std::uint32_t start = from == 0 ? static_cast<std::uint32_t>(doc.GetMontantInitial()) : 0;
    std::uint32_t available = start, real = start, lastStatement = start;

    // Without a from-date every date, even 0 or one before 1970, passes the lower test.
    const DayDate lower = from == 0 ? std::numeric_limits<DayDate>::min() : from;
    const DayDate issueUpper = to == 0 ? kOpenEndDate : to;
    const DayDate validityUpper = to == 0 ? today : to;

    for (const CLigne& line : doc.Lines()) {
        const auto amount = static_cast<std::uint32_t>(line.m_montant);
        if (line.m_dateEmission >= lower && line.m_dateEmission <= issueUpper) {
            available += amount;
            if (line.m_dateReleve != 0)
                lastStatement += amount;
        }
        if (line.m_dateValidite >= lower && line.m_dateValidite <= validityUpper)
            real += amount;
    }
    return {static_cast<Amount>(available), static_cast<Amount>(real),
            static_cast<Amount>(lastStatement)};
}

}  // namespace belvane
