#include "statements/Statement.h"

#include "core/StringIds.h"
#include "core/StringTable.h"

#include <algorithm>
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
            return FillPlaceholders(text(ids::kMsgStatementUnknownFormat), {path});
        case Kind::UnknownColumns:
            why = ids::kStatementWhyUnknownColumns;
            break;
        case Kind::Truncated:
            why = ids::kStatementWhyTruncated;
            break;
        case Kind::Syntax:
            why = ids::kStatementWhySyntax;
            break;
        case Kind::Missing:
            why = ids::kStatementWhyMissing;
            break;
        case Kind::BadDate:
            why = ids::kStatementWhyBadDate;
            break;
        case Kind::BadAmount:
            why = ids::kStatementWhyBadAmount;
            break;
        case Kind::AmountTooLarge:
            why = ids::kStatementWhyAmountTooLarge;
            break;
        case Kind::MixedDateOrder:
            why = ids::kStatementWhyMixedDateOrder;
            break;
        case Kind::AmbiguousDates:
            why = ids::kStatementWhyAmbiguousDates;
            break;
        case Kind::SeveralAccounts:
            why = ids::kStatementWhySeveralAccounts;
            break;
    }
    const std::string reason = FillPlaceholders(text(why), {problem.text});
    if (problem.line == 0)
        return FillPlaceholders(text(ids::kMsgStatementWithoutLine), {path, reason});
    const std::string line = std::to_string(problem.line);
    if (problem.element.empty())
        return FillPlaceholders(text(ids::kMsgStatementAtLine), {path, line, reason});
    int place = ids::kStatementPlaceElement;
    if (problem.format == StatementFormat::Csv)
        place = ids::kStatementPlaceColumn;
    else if (problem.format == StatementFormat::Qif)
        place = ids::kStatementPlaceField;
    const std::string where = FillPlaceholders(text(place), {problem.element});
    return FillPlaceholders(text(ids::kMsgStatementAtLineElement), {path, line, where, reason});
}

void Statement::Add(StatementEntry entry) {
    from = from == 0 ? entry.date : std::min(from, entry.date);
    to = std::max(to, entry.date);
    entries.push_back(std::move(entry));
}

}  // namespace belvane
