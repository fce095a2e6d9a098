#include "core/ValueFormat.h"

#include "core/StringIds.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace belvane {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void AppendTwoDigits(std::string& out, int v) {
    out.push_back(static_cast<char>('0' + (v / 10) % 10));
    out.push_back(static_cast<char>('0' + v % 10));
}

}  // namespace

std::string FormatAmount(Amount amount, bool withSign, int width, std::string_view decimalSymbol) {
    const long units = amount / 100;
    const long cents = std::labs(amount % 100);
    const std::string sym(decimalSymbol);
    char buf[64];
    if (!withSign)
        std::snprintf(buf, sizeof buf, "%ld%s%02ld", std::labs(units), sym.c_str(), cents);
    else if (amount >= -99 && amount <= -1)
        std::snprintf(buf, sizeof buf, "-0%s%02ld", sym.c_str(), cents);
    else
        std::snprintf(buf, sizeof buf, "%+ld%s%02ld", units, sym.c_str(), cents);

    std::string out(buf);
    if (width > 0 && out.size() < static_cast<std::size_t>(width))
        out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

std::string FormatDate(DayDate date, std::string_view pattern) {
    static const std::string kBlank(8, ' ');
    if (date == 0)
        return kBlank;
    const CivilDate d = ToCivil(date);

    // The nine offered patterns use only %d, %m and %y: format those directly
    // and hand anything else to strftime.
    std::string out;
    out.reserve(10);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c != '%') {
            out.push_back(c);
            continue;
        }
        if (i + 1 >= pattern.size())
            break;
        switch (pattern[++i]) {
            case 'd':
                AppendTwoDigits(out, d.day);
                break;
            case 'm':
                AppendTwoDigits(out, d.month);
                break;
            case 'y':
                AppendTwoDigits(out, ((d.year % 100) + 100) % 100);
                break;
            case 'Y':
                out += std::to_string(d.year);
                break;
            case '%':
                out.push_back('%');
                break;
            default: {
                std::tm tm{};
                tm.tm_year = d.year - 1900;
                tm.tm_mon = d.month - 1;
                tm.tm_mday = d.day;
                tm.tm_wday =
                    static_cast<int>(((DaysFromCivil(d.year, d.month, d.day) % 7) + 11) % 7);
                const char directive[3] = {'%', pattern[i], '\0'};
                char buf[128];
                const std::size_t n = std::strftime(buf, sizeof buf, directive, &tm);
                out.append(buf, n);
            }
        }
    }
    return out.empty() ? kBlank : out;
}

bool IsUsableDecimalSymbol(std::string_view symbol) {
    return symbol.size() == 1 && std::ispunct(static_cast<unsigned char>(symbol[0])) &&
           symbol[0] != '-' && symbol[0] != '+';
}

int TypedAmount::Refusal() const {
    switch (reading) {
        case Reading::Read:
            return 0;
        case Reading::TooLarge:
            return ids::kMsgAmountTooLarge;
        case Reading::NotAnAmount:
            break;
    }
    return ids::kMsgAmountInvalid;
}

Amount TypedAmount::Signed(bool credit) const {
    const bool negative = sign < 0 || (sign == 0 && !credit);
    return negative ? -cents : cents;
}

TypedAmount ParseAmount(std::string_view text, std::string_view decimalSymbol) {
    TypedAmount typed;
    if (text.empty())
        return typed;
    typed.reading = TypedAmount::Reading::NotAnAmount;
    int sign = 0;
    if (text[0] == '-' || text[0] == '+') {
        sign = text[0] == '-' ? -1 : 1;
        text.remove_prefix(1);
    }
    const char symbol = IsUsableDecimalSymbol(decimalSymbol) ? decimalSymbol[0] : ',';

    // The text as runs of digits, each followed by one separator: a blank or a
    // possible decimal separator.
    constexpr char kBlank = ' ';
    std::vector<std::string_view> runs;
    std::vector<char> separators;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size();) {
        if (i < text.size() && IsDigit(text[i])) {
            ++i;
            continue;
        }
        runs.push_back(text.substr(start, i - start));
        if (i == text.size())
            break;
        std::size_t width = 1;
        char separator = text[i];
        if (text.substr(i, 2) == "\xC2\xA0")  // U+00A0
            width = 2, separator = kBlank;
        else if (text.substr(i, 3) == "\xE2\x80\xAF")  // U+202F
            width = 3, separator = kBlank;
        else if (separator != kBlank && separator != ',' && separator != '.' && separator != symbol)
            return typed;
        separators.push_back(separator);
        i += width;
        start = i;
    }

    // A last separator that is not a blank starts the decimals: one or two.
    std::string_view decimals;
    char decimalSeparator = 0;
    if (!separators.empty() && separators.back() != kBlank) {
        decimalSeparator = separators.back();
        decimals = runs.back();
        separators.pop_back();
        runs.pop_back();
        if (decimals.empty() || decimals.size() > 2)
            return typed;
    }
    // The units: digits, or groups of three after a first group of one to three,
    // all separated alike.
    if (runs.size() > 1) {
        const char group = separators.front();
        if (group != kBlank && !(group == '.' && decimalSeparator == ','))
            return typed;
        if (runs.front().empty() || runs.front().size() > 3)
            return typed;
        for (std::size_t k = 1; k < runs.size(); ++k)
            if (separators[k - 1] != group || runs[k].size() != 3)
                return typed;
    } else if (runs.front().empty() && decimals.empty()) {
        return typed;
    }

    // Counting stops just past the limit: any more digits are too much anyway.
    constexpr std::int64_t kCap = std::int64_t{kMaxAmount} + 1;
    std::int64_t cents = 0;
    for (const std::string_view run : runs)
        for (const char c : run)
            cents = std::min(cents * 10 + (c - '0') * 100, kCap);
    if (!decimals.empty())
        cents += (decimals[0] - '0') * 10 + (decimals.size() > 1 ? decimals[1] - '0' : 0);
    if (cents > kMaxAmount) {
        typed.reading = TypedAmount::Reading::TooLarge;
        return typed;
    }
    typed.reading = TypedAmount::Reading::Read;
    typed.cents = static_cast<Amount>(cents);
    typed.sign = sign;
    return typed;
}

namespace {

// The numbers of a typed date, as written: up to three runs of digits
// separated by ".", "/" or "-". One separator may end a day or a day and month.
struct DateNumbers {
    std::string_view numbers[3];
    int count = 0;
};

std::optional<DateNumbers> SplitDate(std::string_view text) {
    DateNumbers d;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && IsDigit(text[i]))
            continue;
        const bool end = i == text.size();
        if (!end && text[i] != '.' && text[i] != '/' && text[i] != '-')
            return std::nullopt;
        const std::string_view number = text.substr(start, i - start);
        if (number.empty()) {
            // Only the end of the text may follow a separator.
            if (!end || d.count == 0 || d.count == 3)
                return std::nullopt;
            break;
        }
        if (d.count == 3)
            return std::nullopt;
        d.numbers[d.count++] = number;
        start = i + 1;
    }
    return d;
}

int Number(std::string_view digits) {
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// The year a number of one, two or four digits names; -1 outside the window.
int Year(std::string_view digits) {
    if (digits.size() == 4) {
        const int n = Number(digits);
        return n >= 1990 && n <= 2035 ? n : -1;
    }
    if (digits.size() > 2)
        return -1;
    const int n = Number(digits);
    if (n <= 35)
        return 2000 + n;
    return n >= 90 ? 1900 + n : -1;
}

// Where the day, the month and the year stand among three numbers, by the
// order of "%d", "%m" and "%y" (or "%Y") in the pattern.
struct DateOrder {
    int day, month, year;
    bool dayFirst;  // of day and month, for two numbers
};

DateOrder OrderOf(std::string_view pattern) {
    auto position = [&](char letter) {
        std::size_t p = pattern.find(std::string{'%', letter});
        if (p == std::string_view::npos && letter == 'y')
            p = pattern.find("%Y");
        return p == std::string_view::npos ? pattern.size() + static_cast<std::size_t>(letter) : p;
    };
    const std::size_t pd = position('d');
    const std::size_t pm = position('m');
    const std::size_t py = position('y');
    return {(pd > pm) + (pd > py), (pm > pd) + (pm > py), (py > pd) + (py > pm), pd < pm};
}

DayDate Make(int year, int month, int day) {
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
        return 0;
    return ToDayDate(year, month, day);
}

bool DayOrMonth(std::string_view digits) {
    return digits.size() <= 2;
}

}  // namespace

DayDate ParseDate(std::string_view text, bool past, std::string_view pattern, CivilDate today) {
    if (text.size() == 1 && (text[0] == '.' || text[0] == '/' || text[0] == '-'))
        return ToDayDate(today);
    const std::optional<DateNumbers> d = SplitDate(text);
    if (!d || d->count == 0)
        return 0;
    const DateOrder order = OrderOf(pattern);
    if (d->count == 3) {
        const std::string_view day = d->numbers[order.day], month = d->numbers[order.month];
        if (!DayOrMonth(day) || !DayOrMonth(month))
            return 0;
        return Make(Year(d->numbers[order.year]), Number(month), Number(day));
    }
    std::string_view dayText = d->numbers[0], monthText;
    if (d->count == 2) {
        dayText = d->numbers[order.dayFirst ? 0 : 1];
        monthText = d->numbers[order.dayFirst ? 1 : 0];
    }
    if (!DayOrMonth(dayText) || !DayOrMonth(monthText))
        return 0;
    const int day = Number(dayText);
    int month = Number(monthText);
    if (monthText.empty()) {
        month = today.month;
        if (past && day > today.day)
            month = month == 1 ? 12 : month - 1;
    }
    int year = today.year;
    if (past && month > today.month)
        --year;
    return Make(year, month, day);
}

DayDate ParseWholeDate(std::string_view text, std::string_view pattern) {
    const std::optional<DateNumbers> d = SplitDate(text);
    if (!d || d->count != 3)
        return 0;
    const DateOrder order = OrderOf(pattern);
    if (d->numbers[order.year].size() != 4)
        return 0;
    return ParseDate(text, false, pattern, {});
}

std::optional<int> ParseSmallNumber(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        text.remove_prefix(1);
    if (text.empty() || text.size() > 6 || !std::all_of(text.begin(), text.end(), IsDigit))
        return std::nullopt;
    const int n = Number(text);
    return negative ? -n : n;
}

// --- ValueFormat -------------------------------------------------------------

void ValueFormat::SetSettings(std::string dateFormat, std::string decimalSymbol) {
    m_dateFormat = std::move(dateFormat);
    m_decimalSymbol = std::move(decimalSymbol);
}

std::string ValueFormat::FormatAmount(Amount amount, bool withSign, int width) const {
    return belvane::FormatAmount(amount, withSign, width, m_decimalSymbol);
}

std::string ValueFormat::FormatDate(DayDate date) const {
    return belvane::FormatDate(date, m_dateFormat);
}

DayDate ValueFormat::ParseDate(std::string_view text, bool past) const {
    return belvane::ParseDate(text, past, m_dateFormat, m_clock->Today());
}

TypedAmount ValueFormat::ParseAmount(std::string_view text) const {
    return belvane::ParseAmount(text, m_decimalSymbol);
}

}  // namespace belvane
