#pragma once

#include "core/Types.h"

namespace belvane {

class CBelvaneDoc;

// The three balances of the account over a range of dates, in cents.
struct Balances {
    Sum available = 0;      // by issue date: once every entered line has passed
    Sum real = 0;           // by validity date: what the bank counts
    Sum lastStatement = 0;  // reconciled lines (any statement), by issue date

    friend bool operator==(const Balances&, const Balances&) = default;
};

// `from` and `to` are inclusive bounds, 0 for an empty field. Without `from`
// every balance starts at the initial amount, else at 0. Without `to` the issue
// date has no upper bound and the validity date is bounded by `today`.
// Sums are 64-bit: they never wrap.
Balances ComputeBalances(const CBelvaneDoc& doc, DayDate from, DayDate to, DayDate today);

}  // namespace belvane
