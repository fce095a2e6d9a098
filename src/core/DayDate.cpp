#include "core/DayDate.h"

namespace belvane {

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

}  // namespace

// Howard Hinnant's days_from_civil, extended so that month and day roll over.
std::int64_t DaysFromCivil(int year, int month, int day) {
    std::int64_t y = year + FloorDiv(month - 1, 12);
    const std::int64_t m = month - 1 - 12 * FloorDiv(month - 1, 12) + 1;  // 1..12
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;  // day 1 of the month
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + (static_cast<std::int64_t>(day) - 1);
}

CivilDate CivilFromDays(std::int64_t z) {
    z += 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2 ? 1 : 0));
    return {y, m, d};
}

DayDate ToDayDate(int year, int month, int day) {
    return static_cast<DayDate>(DaysFromCivil(year, month, day) * 86400 - kDayDateZoneOffset);
}

CivilDate ToCivil(DayDate date) {
    const std::int64_t t = static_cast<std::int64_t>(date) + kDayDateZoneOffset;
    return CivilFromDays(FloorDiv(t + 43200, 86400));
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    return kDays[(month - 1) % 12];
}

DayDate FirstUserDate() {
    return ToDayDate(1990, 1, 1);
}
DayDate LastUserDate() {
    return ToDayDate(2035, 12, 31);
}

DayDate LegacyDateToDayDate(std::uint16_t packed) {
    if (packed == 0)
        return 0;
    return ToDayDate((packed >> 9) + 1990, (packed >> 5) & 0x0F, packed & 0x1F);
}

}  // namespace belvane
