#include "uilogic/PaiementForm.h"

#include <algorithm>
#include <optional>

namespace belvane::paiement_form {

namespace {

constexpr int kDayLabel = 10052;
constexpr int kMonthsLabel = 10053;
constexpr int kDebitShiftLabel = 10093;
constexpr int kCreditShiftLabel = 10094;

constexpr int kMaxDay = 31;
constexpr int kMaxMonths = 999;
constexpr int kMaxShift = 999;

ParamField Shown(int label, int minimum, int maximum, int value) {
    return {true, label, minimum, maximum, std::clamp(value, minimum, maximum)};
}

// Reads digits from `i` to the end of `text`; nothing when another character
// comes or there is no digit.
std::optional<std::int64_t> Digits(std::string_view text, std::size_t i) {
    if (i >= text.size())
        return std::nullopt;
    std::int64_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
        if (value > 0xFFFFFFFFLL)
            return std::nullopt;
    }
    return value;
}

std::size_t SkipBlanks(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    return i;
}

}  // namespace

ParamArea Layout(int code, const CPaiement& opened) {
    const bool shift = opened.m_methode == CPaiement::kShiftDays;
    const auto shown = [shift](std::uint16_t stored) {
        return shift ? static_cast<int>(static_cast<std::int16_t>(stored))
                     : std::max(1, static_cast<int>(stored));
    };
    const int p1 = shown(opened.m_donnee1);
    const int p2 = shown(opened.m_donnee2);

    ParamArea area;
    switch (code) {
        case CPaiement::kFixedDay:
            area.first = Shown(kDayLabel, 1, kMaxDay, p1);
            break;
        case CPaiement::kFixedDayLater:
            area.first = Shown(kDayLabel, 1, kMaxDay, p1);
            area.second = Shown(kMonthsLabel, 1, kMaxMonths, p2);
            break;
        case CPaiement::kSameDayLater:
            // The months of this code are edited in the first field.
            area.first = Shown(kMonthsLabel, 1, kMaxMonths, p2);
            break;
        case CPaiement::kShiftDays:
            area.first = Shown(kDebitShiftLabel, -kMaxShift, kMaxShift, p1);
            area.second = Shown(kCreditShiftLabel, -kMaxShift, kMaxShift, p2);
            break;
        default:
            break;
    }
    return area;
}

int CodeIndex(const CPaiement& paiement) {
    return paiement.m_methode <= CPaiement::kShiftDays ? paiement.m_methode : 0;
}

std::uint32_t ReadUnsigned(std::string_view text) {
    return static_cast<std::uint32_t>(Digits(text, SkipBlanks(text)).value_or(0));
}

std::int32_t ReadSigned(std::string_view text) {
    std::size_t i = SkipBlanks(text);
    const bool negative = i < text.size() && text[i] == '-';
    if (negative)
        ++i;
    const std::int64_t value = Digits(text, i).value_or(0);
    if (value > 0x7FFFFFFFLL)
        return 0;
    return static_cast<std::int32_t>(negative ? -value : value);
}

int CheckParameters(const Input& input) {
    if (input.code == CPaiement::kFixedDay || input.code == CPaiement::kFixedDayLater) {
        const std::uint32_t day = ReadUnsigned(input.first);
        if (day == 0 || day > kMaxDay)
            return 10031;
    }
    return 0;
}

void Store(const Input& input, CPaiement& paiement) {
    const auto u16 = [](std::uint32_t v) { return static_cast<std::uint16_t>(v); };
    const auto s16 = [](std::int32_t v) {
        return static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
    };
    std::uint16_t p1 = 1;
    std::uint16_t p2 = 1;
    switch (input.code) {
        case CPaiement::kFixedDay:
            p1 = u16(std::min<std::uint32_t>(ReadUnsigned(input.first), kMaxDay));
            break;
        case CPaiement::kFixedDayLater:
            p1 = u16(std::min<std::uint32_t>(ReadUnsigned(input.first), kMaxDay));
            p2 = u16(ReadUnsigned(input.second));
            break;
        case CPaiement::kSameDayLater:
            p2 = u16(ReadUnsigned(input.first));
            break;
        case CPaiement::kShiftDays:
            p1 = s16(ReadSigned(input.first));
            p2 = s16(ReadSigned(input.second));
            break;
        default:
            break;
    }
    const int code = input.code >= 0 && input.code <= CPaiement::kShiftDays ? input.code : 0;
    paiement.Set(input.nom, static_cast<std::uint16_t>(code), p1, p2);
}

}  // namespace belvane::paiement_form
