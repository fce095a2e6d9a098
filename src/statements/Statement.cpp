#include "statements/Statement.h"

#include "core/StringTable.h"

#include <array>
#include <utility>

namespace belvane {

namespace {

constexpr std::array<std::pair<StatementFormat, std::string_view>, 4> kKeys = {{
    {StatementFormat::Ofx, "ofx"},
    {StatementFormat::Qif, "qif"},
    {StatementFormat::Csv, "csv"},
    {StatementFormat::Camt, "camt"},
}};

// Messages about statement files.
constexpr int kMsgUnknownFormat = 10160;  // the file is no statement
constexpr int kMsgAtLine = 10161;         // file, line, reason
constexpr int kMsgAtLineElement = 10162;  // file, line, element, reason
constexpr int kMsgWithoutLine = 10163;    // file, reason
constexpr int kWhyTruncated = 10164;
constexpr int kWhySyntax = 10165;
constexpr int kWhyMissing = 10166;
constexpr int kWhyBadDate = 10167;         // the text
constexpr int kWhyBadAmount = 10168;       // the text
constexpr int kWhyAmountTooLarge = 10169;  // the text
constexpr int kWhyMixedDateOrder = 10170;
constexpr int kWhyAmbiguousDates = 10171;
constexpr int kWhySeveralAccounts = 10172;  // the accounts
constexpr int kWhyUnknownColumns = 10173;
constexpr int kPlaceElement = 10175;  // the element's name
constexpr int kPlaceColumn = 10176;   // the column's title
constexpr int kPlaceField = 10177;    // the field's letter

}  // namespace

std::string_view FormatKey(StatementFormat format) {
    for (const auto& [f, key] : kKeys)
        if (f == format)
            return key;
    return {};
}

std::string_view FormatName(StatementFormat format) {
    static constexpr std::string_view kNames[] = {"OFX", "QIF", "CSV", "CAMT.053"};
    return kNames[static_cast<int>(format)];
}

std::optional<StatementFormat> FormatFromKey(std::string_view key) {
    for (const auto& [f, k] : kKeys)
        if (k == key)
            return f;
    return std::nullopt;
}

std::string ProblemMessage(const StatementProblem& problem, std::string_view path,
                           const CStringTable& strings) {
    using Kind = StatementProblem::Kind;
    const auto text = [&](int id) { return strings.Get(id); };
    int why = 0;
    switch (problem.kind) {
        case Kind::None:
        case Kind::Cancelled:
            return {};
        case Kind::UnknownFormat:
            return FillPlaceholders(text(kMsgUnknownFormat), {path});
        case Kind::UnknownColumns:
            why = kWhyUnknownColumns;
            break;
        case Kind::Truncated:
            why = kWhyTruncated;
            break;
        case Kind::Syntax:
            why = kWhySyntax;
            break;
        case Kind::Missing:
            why = kWhyMissing;
            break;
        case Kind::BadDate:
            why = kWhyBadDate;
            break;
        case Kind::BadAmount:
            why = kWhyBadAmount;
            break;
        case Kind::AmountTooLarge:
            why = kWhyAmountTooLarge;
            break;
        case Kind::MixedDateOrder:
            why = kWhyMixedDateOrder;
            break;
        case Kind::AmbiguousDates:
            why = kWhyAmbiguousDates;
            break;
        case Kind::SeveralAccounts:
            why = kWhySeveralAccounts;
            break;
    }
    const std::string reason = FillPlaceholders(text(why), {problem.text});
    if (problem.line == 0)
        return FillPlaceholders(text(kMsgWithoutLine), {path, reason});
    const std::string line = std::to_string(problem.line);
    if (problem.element.empty())
        return FillPlaceholders(text(kMsgAtLine), {path, line, reason});
    int place = kPlaceElement;
    if (problem.format == StatementFormat::Csv)
        place = kPlaceColumn;
    else if (problem.format == StatementFormat::Qif)
        place = kPlaceField;
    const std::string where = FillPlaceholders(text(place), {problem.element});
    return FillPlaceholders(text(kMsgAtLineElement), {path, line, where, reason});
}

}  // namespace belvane
