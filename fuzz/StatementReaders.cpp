#include "StatementReaders.h"

#include "core/StringTable.h"
#include "statements/OfxReader.h"
#include "statements/StatementReader.h"

#include <optional>
#include <string_view>

namespace belvane {

namespace {

std::string Check(std::string_view bytes, StatementFormat format) {
    if (format == StatementFormat::Ofx) {
        // The text's checks only: libofx costs too much a call to be fuzzed
        // (the unit tests give it sound and damaged files).
        const StatementProblem p = CheckOfxText(bytes);
        return p && ProblemMessage(p, "f", CStringTable::Builtin()).empty()
                   ? "ofx: a problem without a message"
                   : "";
    }
    ReadOptions options;
    options.format = format;
    Statement first;
    const StatementProblem p = ReadStatement(bytes, first, options);
    const std::string name(FormatKey(format));
    if (p) {
        if (ProblemMessage(p, "f", CStringTable::Builtin()).empty())
            return name + ": a problem without a message";
        return {};
    }
    for (const StatementEntry& e : first.entries)
        if (e.date == 0)
            return name + ": an operation without a date, line " + std::to_string(e.line);
    if (first.format != format)
        return name + ": read as another format";
    return {};
}

}  // namespace

std::string CheckStatementReaders(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    GuessFormat(text);
    for (const StatementFormat format :
         {StatementFormat::Ofx, StatementFormat::Qif, StatementFormat::Csv, StatementFormat::Camt})
        if (std::string broken = Check(text, format); !broken.empty())
            return broken;
    return {};
}

}  // namespace belvane
