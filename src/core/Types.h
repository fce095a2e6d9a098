#pragma once

#include <cstdint>

namespace belvane {

// Signed count of cents: zero or positive is a credit, negative a debit.
// No overflow checks are made on amounts anywhere in the program.
using Amount = std::int32_t;

// A sum of amounts, in cents: wide enough never to wrap, whatever the register holds.
using Sum = std::int64_t;

// Seconds since 1970-01-01 00:00 UTC of the midnight that opens a day (see DayDate.h).
// 0 means "no date".
using DayDate = std::int32_t;

// Stands for a missing end date in date ranges: exactly 1 January 2036.
inline constexpr DayDate kOpenEndDate = 2082754800;

}  // namespace belvane
