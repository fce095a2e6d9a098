#pragma once

#include "core/Types.h"

#include <cstdint>

namespace belvane {

// A calendar day. Fields are not normalised: month 13 or day 31 of April are
// representable and are rolled over by ToDayDate().
struct CivilDate {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31

    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

// A DayDate is midnight of its day in UTC+1 without daylight saving, whatever
// the machine's time zone: registers then read the same on every machine.
inline constexpr std::int32_t kDayDateZoneOffset = 3600;

// Days since 1970-01-01 of a calendar day; month and day may lie outside their
// ranges and roll over (31 April is 1 May, month 0 is December of the year before).
std::int64_t DaysFromCivil(int year, int month, int day);
CivilDate CivilFromDays(std::int64_t days);

// The DayDate of a calendar day (rolled over like DaysFromCivil). The result is
// only meaningful for days from 1901 to 2038, which the 32-bit value can hold.
DayDate ToDayDate(int year, int month, int day);
inline DayDate ToDayDate(const CivilDate& d) {
    return ToDayDate(d.year, d.month, d.day);
}

// The day a DayDate names, taking the nearest zone midnight so that values
// written by a program running in another time zone keep their day.
CivilDate ToCivil(DayDate date);

// Number of days of a month (month 1 to 12).
int DaysInMonth(int year, int month);

// Dates typed by the user lie in [1990-01-01, 2035-12-31].
DayDate FirstUserDate();
DayDate LastUserDate();

// 16-bit packed date of the old formats: bits 15-9 year - 1990, 8-5 month, 4-0 day.
// 0 stays 0.
DayDate LegacyDateToDayDate(std::uint16_t packed);

}  // namespace belvane
