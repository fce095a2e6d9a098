#include "statements/BankText.h"

#include "core/DayDate.h"
#include "core/Text.h"
#include "core/ValueFormat.h"

#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <cctype>

namespace belvane::bank {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `s` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = 0;
        std::uint32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF) {
            n = 1;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            n = 2;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            n = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        for (std::size_t k = 1; k <= n; ++k) {
            if (i + k >= s.size())
                return false;
            const auto cc = static_cast<unsigned char>(s[i + k]);
            if ((cc & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (cc & 0x3F);
        }
        if ((n == 2 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
            (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        i += n + 1;
    }
    return true;
}

bool IsBlankAt(std::string_view s, std::size_t i, std::size_t& length) {
    // ASCII blanks, and the no-break spaces banks group thousands with.
    if (s[i] == ' ' || s[i] == '\t' || s[i] == '\r' || s[i] == '\n') {
        length = 1;
        return true;
    }
    if (s.substr(i, 2) == "\xC2\xA0") {
        length = 2;
        return true;
    }
    if (s.substr(i, 3) == "\xE2\x80\xAF") {
        length = 3;
        return true;
    }
    return false;
}

// The text with every blank taken out.
std::string WithoutBlanks(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t n = 0;
        if (IsBlankAt(s, i, n)) {
            i += n;
            continue;
        }
        out += s[i++];
    }
    return out;
}

std::string FoldCase(std::string_view s) {
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(s.data(), static_cast<std::int32_t>(s.size())));
    u.foldCase(U_FOLD_CASE_DEFAULT);
    std::string out;
    u.toUTF8String(out);
    return out;
}

}  // namespace

std::string DecodeText(std::span<const std::uint8_t> bytes) {
    std::string_view s(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (s.substr(0, 3) == "\xEF\xBB\xBF")
        s.remove_prefix(3);
    if (IsUtf8(s))
        return std::string(s);
    return text::DecodeCp1252(s);
}

StatementProblem::Kind ReadAmount(std::string_view text, char decimal, Amount& amount) {
    using Kind = StatementProblem::Kind;
    const std::string s = WithoutBlanks(text);
    std::string_view v = s;
    bool negative = false;
    if (!v.empty() && (v.front() == '-' || v.front() == '+')) {
        negative = v.front() == '-';
        v.remove_prefix(1);
    } else if (!v.empty() && v.back() == '-') {
        negative = true;
        v.remove_suffix(1);
    }
    const char grouping = decimal == ',' ? '.' : ',';
    std::int64_t units = 0;
    int digits = 0, groupDigits = -1;  // digits since the last grouping mark
    std::size_t i = 0;
    for (; i < v.size() && v[i] != decimal; ++i) {
        if (v[i] == grouping || v[i] == '\'') {
            if (digits == 0 || (groupDigits >= 0 && groupDigits != 3))
                return Kind::BadAmount;
            groupDigits = 0;
            continue;
        }
        if (!IsDigit(v[i]))
            return Kind::BadAmount;
        units = std::min<std::int64_t>(units * 10 + (v[i] - '0'), std::int64_t{1} << 40);
        ++digits;
        if (groupDigits >= 0)
            ++groupDigits;
    }
    if (groupDigits >= 0 && groupDigits != 3)
        return Kind::BadAmount;
    std::int64_t cents = units * 100;
    int decimals = 0;
    if (i < v.size()) {
        for (++i; i < v.size(); ++i, ++decimals) {
            if (!IsDigit(v[i]))
                return Kind::BadAmount;
            if (decimals < 2)
                cents += (v[i] - '0') * (decimals == 0 ? 10 : 1);
            else if (v[i] != '0')
                return Kind::BadAmount;  // a fraction of a cent
        }
        if (digits == 0 && decimals == 0)
            return Kind::BadAmount;
    } else if (digits == 0) {
        return Kind::BadAmount;
    }
    if (cents > kMaxAmount)
        return Kind::AmountTooLarge;
    amount = static_cast<Amount>(negative ? -cents : cents);
    return Kind::None;
}

char DecideDecimal(const std::vector<std::string_view>& amounts) {
    bool commaGroups = false;
    for (std::string_view a : amounts) {
        const std::size_t p = a.find_last_of(".,");
        if (p == std::string_view::npos)
            continue;
        std::size_t digits = 0;
        while (p + 1 + digits < a.size() && IsDigit(a[p + 1 + digits]))
            ++digits;
        if (digits == 1 || digits == 2)
            return a[p];
        commaGroups = commaGroups || a[p] == ',';
    }
    return commaGroups ? '.' : ',';
}

int FullYear(int year, std::size_t digits) {
    if (digits != 2)
        return year;
    if (year <= 35)
        return 2000 + year;
    if (year >= 90)
        return 1900 + year;
    return 0;
}

DayDate MakeDate(int year, int month, int day) {
    if (year < 1902 || year > 2037 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return 0;
    return ToDayDate(year, month, day);
}

namespace {

// Reads `n` digits at `pos`; -1 when they are not all digits.
int Digits(std::string_view s, std::size_t pos, std::size_t n) {
    if (pos + n > s.size())
        return -1;
    int v = 0;
    for (std::size_t i = pos; i < pos + n; ++i) {
        if (!IsDigit(s[i]))
            return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

}  // namespace

DayDate ReadIsoDate(std::string_view text) {
    const std::string t = Tidy(text);
    if (t.size() < 10 || t[4] != '-' || t[7] != '-' ||
        (t.size() > 10 && t[10] != 'T' && t[10] != ' '))
        return 0;
    return MakeDate(Digits(t, 0, 4), Digits(t, 5, 2), Digits(t, 8, 2));
}

DayDate ReadCompactDate(std::string_view text) {
    const std::string t = Tidy(text);
    if (t.size() < 8 || (t.size() > 8 && !IsDigit(t[8]) && t[8] != '[' && t[8] != '.'))
        return 0;
    return MakeDate(Digits(t, 0, 4), Digits(t, 4, 2), Digits(t, 6, 2));
}

bool SplitDate(std::string_view text, DateParts& parts) {
    const std::string t = Tidy(text);
    int numbers[3] = {};
    std::size_t lengths[3] = {};
    char separators[2] = {};
    int n = 0;
    std::size_t i = 0;
    for (;;) {
        while (i < t.size() && t[i] == ' ')
            ++i;
        const std::size_t start = i;
        while (i < t.size() && IsDigit(t[i]) && i - start < 4)
            numbers[n] = numbers[n] * 10 + (t[i++] - '0');
        lengths[n] = i - start;
        while (i < t.size() && t[i] == ' ')
            ++i;
        if (lengths[n] == 0 || ++n == 3 || i == t.size())
            break;
        separators[n - 1] = t[i++];
        if (separators[n - 1] != '/' && separators[n - 1] != '.' && separators[n - 1] != '-' &&
            (separators[n - 1] != '\'' || n != 2))
            return false;
    }
    if (n != 3 || i != t.size() || lengths[0] > 2 || lengths[1] > 2 ||
        (lengths[2] != 2 && lengths[2] != 4))
        return false;
    // In "12/31'25" the apostrophe announces a year of the 2000s.
    const int year = separators[1] == '\'' && lengths[2] == 2 ? 2000 + numbers[2]
                                                              : FullYear(numbers[2], lengths[2]);
    parts = {numbers[0], numbers[1], year};
    return true;
}

OrderDecision DecideDateOrder(std::span<const DateParts> parts) {
    OrderDecision decision;
    int dayFirstOnly = -1, monthFirstOnly = -1;
    DayDate spans[2][2] = {{0, 0}, {0, 0}};  // by order: the first and last dates
    bool differ = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const DateParts& p = parts[i];
        if (p.year == 0)
            continue;
        const DayDate both[2] = {DateInOrder(p, DateOrder::DayFirst),
                                 DateInOrder(p, DateOrder::MonthFirst)};
        const int index = static_cast<int>(i);
        if (both[0] == 0 && both[1] == 0) {
            decision.bad = index;
            return decision;
        }
        if (both[1] == 0 && dayFirstOnly < 0)
            dayFirstOnly = index;
        if (both[0] == 0 && monthFirstOnly < 0)
            monthFirstOnly = index;
        differ = differ || p.first != p.second;
        for (int o = 0; o < 2; ++o) {
            if (both[o] == 0)
                continue;
            spans[o][0] = spans[o][0] == 0 ? both[o] : std::min(spans[o][0], both[o]);
            spans[o][1] = std::max(spans[o][1], both[o]);
        }
    }
    const DayDate span[2] = {spans[0][1] - spans[0][0], spans[1][1] - spans[1][0]};
    if (dayFirstOnly >= 0 && monthFirstOnly >= 0)
        decision.mixed = std::max(dayFirstOnly, monthFirstOnly);
    else if (dayFirstOnly >= 0 || !differ)
        decision.order = DateOrder::DayFirst;
    else if (monthFirstOnly >= 0)
        decision.order = DateOrder::MonthFirst;
    else if (span[0] != span[1])
        decision.order = span[0] < span[1] ? DateOrder::DayFirst : DateOrder::MonthFirst;
    return decision;
}

DayDate DateInOrder(const DateParts& parts, DateOrder order) {
    return order == DateOrder::MonthFirst ? MakeDate(parts.year, parts.first, parts.second)
                                          : MakeDate(parts.year, parts.second, parts.first);
}

std::string NameKey(std::string_view name) {
    return WithoutBlanks(FoldCase(name));
}

std::string TitleKey(std::string_view title) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString u = icu::UnicodeString::fromUTF8(
        icu::StringPiece(title.data(), static_cast<std::int32_t>(title.size())));
    u.foldCase(U_FOLD_CASE_DEFAULT);
    if (U_SUCCESS(status))
        u = nfd->normalize(u, status);
    icu::UnicodeString kept;
    for (std::int32_t i = 0; i < u.length();) {
        const UChar32 c = u.char32At(i);
        i += U16_LENGTH(c);
        if (u_isalnum(c))
            kept.append(c);
    }
    std::string out;
    kept.toUTF8String(out);
    return out;
}

std::string Tidy(std::string_view text) {
    std::string out;
    bool blank = false;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 0;
        if (IsBlankAt(text, i, n)) {
            blank = true;
            i += n;
            continue;
        }
        if (blank && !out.empty())
            out += ' ';
        blank = false;
        out += text[i++];
    }
    return out;
}

std::string Excerpt(std::string_view text) {
    constexpr std::size_t kChars = 40;
    const std::string t = Tidy(text);
    if (text::Length(t) <= kChars)
        return t;
    return std::string(text::Left(t, kChars)) + "…";
}

int LineAt(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<int>(std::count(text.begin(), text.begin() + offset, '\n'));
}

LineIndex::LineIndex(std::string_view text) {
    for (std::size_t p = text.find('\n'); p != std::string_view::npos; p = text.find('\n', p + 1))
        m_ends.push_back(p);
}

int LineIndex::LineAt(std::size_t offset) const {
    return 1 + static_cast<int>(std::lower_bound(m_ends.begin(), m_ends.end(), offset) -
                                m_ends.begin());
}

int LastLine(std::string_view text) {
    const std::size_t last = text.find_last_not_of(" \t\r\n");
    return LineAt(text, last == std::string_view::npos ? 0 : last);
}

}  // namespace belvane::bank
