#include "core/ValueFormat.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>

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

Amount ParseAmount(std::string_view text) {
    std::size_t i = 0;
    std::int64_t units = 0;
    while (i < text.size() && IsDigit(text[i])) {
        units = units * 10 + (text[i] - '0');
        if (units > 100000000)  // far beyond any amount: stop growing, the result wraps anyway
            units %= 100000000;
        ++i;
    }
    if (i == text.size())
        return static_cast<Amount>(units * 100);
    if (text[i] != '.' && text[i] != ',')
        return 0;
    ++i;
    std::int64_t cents = 0;
    if (i < text.size() && IsDigit(text[i])) {
        cents = (text[i] - '0') * 10;
        ++i;
        if (i < text.size() && IsDigit(text[i]))
            cents += text[i] - '0';
    }
    return static_cast<Amount>(units * 100 + cents);
}

bool AmountFits(std::string_view text) {
    // Counting stops just past the limit: any more digits are too much anyway.
    constexpr std::int64_t kCap = std::int64_t{kMaxAmount} + 1;
    std::size_t i = 0;
    std::int64_t units = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        units = std::min(units * 10 + (text[i] - '0'), kCap);
    std::int64_t cents = 0;
    if (i < text.size()) {
        if (text[i] != '.' && text[i] != ',')
            return true;  // read as 0
        ++i;
        if (i < text.size() && IsDigit(text[i])) {
            cents = (text[i] - '0') * 10;
            if (i + 1 < text.size() && IsDigit(text[i + 1]))
                cents += text[i + 1] - '0';
        }
    }
    return units * 100 + cents <= kMaxAmount;
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

DayDate ParseDate(std::string_view text, bool past, std::string_view pattern, CivilDate today) {
    if (text.empty())
        return 0;
    if (text.size() == 1 && (text[0] == '.' || text[0] == '/' || text[0] == '-'))
        return ToDayDate(today);

    // Up to three numbers; separators move on, stray characters are skipped.
    long numbers[3] = {0, 0, 0};
    int count = 0;
    bool inNumber = false;
    for (const char c : text) {
        if (c == '.' || c == '/' || c == '-') {
            if (inNumber) {
                ++count;
                inNumber = false;
                if (count == 3)
                    break;
            } else if (count < 3) {
                // An empty field still moves to the next number ("1..09").
                ++count;
                if (count == 3)
                    break;
            }
        } else if (IsDigit(c)) {
            if (numbers[count] < 100000)  // keeps absurd digit runs invalid without overflow
                numbers[count] = numbers[count] * 10 + (c - '0');
            inNumber = true;
        }
    }
    if (inNumber)
        ++count;
    if (count == 0)
        count = 1;  // only stray characters: a day of 0, refused below

    // Positions of the three fields in the pattern decide which number is which.
    auto position = [&](char letter) {
        const std::string key{'%', letter};
        const std::size_t p = pattern.find(key);
        return p == std::string_view::npos ? pattern.size() + static_cast<std::size_t>(letter) : p;
    };
    const std::size_t pd = position('d');
    const std::size_t pm = position('m');
    const std::size_t py = position('y');

    long day = 0;
    long month = -1;
    long year = -1;
    if (count == 1) {
        day = numbers[0];
    } else if (count == 2) {
        day = pd < pm ? numbers[0] : numbers[1];
        month = pd < pm ? numbers[1] : numbers[0];
    } else {
        const int rd = (pd > pm) + (pd > py);
        const int rm = (pm > pd) + (pm > py);
        const int ry = (py > pd) + (py > pm);
        day = numbers[rd];
        month = numbers[rm];
        year = numbers[ry];
    }

    if (day < 1 || day > 31)
        return 0;
    if (month < 0) {
        month = today.month;
        if (past && day > today.day)
            month = month == 1 ? 12 : month - 1;
    } else if (month < 1 || month > 12) {
        return 0;
    }
    if (year < 0) {
        year = today.year;
        if (past && month > today.month)
            --year;
    } else if (year >= 1990 && year <= 2035) {
        // taken as it is
    } else if (year <= 35) {
        year += 2000;
    } else if (year >= 90 && year <= 99) {
        year += 1900;
    } else {
        return 0;
    }
    return ToDayDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
}

}  // namespace belvane
