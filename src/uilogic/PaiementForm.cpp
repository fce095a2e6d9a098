#include "uilogic/PaiementForm.h"

#include "core/StringIds.h"
#include "core/ValueFormat.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace belvane::paiement_form {

namespace {

constexpr int kMaxDay = 31;
constexpr int kMaxMonths = 999;
constexpr int kMaxShift = 999;

// The parameter a field reads when it is a number of the range; nothing else.
std::optional<int> Param(std::string_view text, int minimum, int maximum) {
    const std::optional<int> n = ParseSmallNumber(text);
    if (!n || *n < minimum || *n > maximum)
        return std::nullopt;
    return n;
}

// One parameter field as a code uses it: its label, the spin range and the
// message refusing what is not a number of that range. No label: not used.
struct FieldRule {
    int label = 0, minimum = 0, maximum = 0, refusal = 0;
};
struct CodeRules {
    FieldRule first, second;
};

CodeRules RulesOf(int code) {
    const FieldRule day{ids::kPaiementDayLabel, 1, kMaxDay, ids::kMsgDayOutOfRange};
    const FieldRule months{ids::kPaiementMonthsLabel, 1, kMaxMonths, ids::kMsgMonthsOutOfRange};
    switch (code) {
        case CPaiement::kFixedDay:
            return {day, {}};
        case CPaiement::kFixedDayLater:
            return {day, months};
        case CPaiement::kSameDayLater:
            return {months, {}};
        case CPaiement::kShiftDays:
            return {
                {ids::kPaiementDebitShiftLabel, -kMaxShift, kMaxShift, ids::kMsgShiftOutOfRange},
                {ids::kPaiementCreditShiftLabel, -kMaxShift, kMaxShift, ids::kMsgShiftOutOfRange}};
        default:
            return {};
    }
}

}  // namespace

ParamArea Layout(int code, const CPaiement& opened) {
    const bool shift = opened.m_methode == CPaiement::kShiftDays;
    const auto shown = [shift](std::uint16_t stored) {
        return shift ? static_cast<int>(static_cast<std::int16_t>(stored))
                     : std::max(1, static_cast<int>(stored));
    };
    // The months of code 3 are edited in the first field.
    const int p1 = shown(code == CPaiement::kSameDayLater ? opened.m_donnee2 : opened.m_donnee1);
    const int p2 = shown(opened.m_donnee2);
    const auto field = [](const FieldRule& rule, int value) {
        if (rule.label == 0)
            return ParamField{};
        return ParamField{true, rule.label, rule.minimum, rule.maximum,
                          std::clamp(value, rule.minimum, rule.maximum)};
    };
    const CodeRules rules = RulesOf(code);
    return {field(rules.first, p1), field(rules.second, p2)};
}

int CodeIndex(const CPaiement& paiement) {
    return paiement.m_methode <= CPaiement::kShiftDays ? paiement.m_methode : 0;
}

ParamRefusal CheckParameters(const Input& input) {
    const CodeRules rules = RulesOf(input.code);
    const auto refused = [](const FieldRule& rule, std::string_view text) {
        return rule.label != 0 && !Param(text, rule.minimum, rule.maximum);
    };
    if (refused(rules.first, input.first))
        return {rules.first.refusal, false};
    if (refused(rules.second, input.second))
        return {rules.second.refusal, true};
    return {};
}

void Store(const Input& input, CPaiement& paiement) {
    const CodeRules rules = RulesOf(input.code);
    // A field the code does not use keeps 1; a shift is stored as 16 bits.
    const auto stored = [](const FieldRule& rule, std::string_view text) {
        if (rule.label == 0)
            return std::uint16_t{1};
        const int value = Param(text, rule.minimum, rule.maximum).value_or(1);
        return static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    };
    std::uint16_t p1 = stored(rules.first, input.first);
    std::uint16_t p2 = stored(rules.second, input.second);
    // The months of code 3 are edited in the first field and kept in the second.
    if (input.code == CPaiement::kSameDayLater)
        std::swap(p1, p2);
    const int code = input.code >= 0 && input.code <= CPaiement::kShiftDays ? input.code : 0;
    paiement.Set(input.nom, static_cast<std::uint16_t>(code), p1, p2);
}

}  // namespace belvane::paiement_form
