#include "statements/StatementReader.h"

#include "statements/CamtReader.h"
#include "statements/OfxReader.h"
#include "statements/QifReader.h"

#include <algorithm>
#include <cctype>

namespace belvane {

namespace {

bool ContainsNoCase(std::string_view text, std::string_view upper) {
    return std::search(text.begin(), text.end(), upper.begin(), upper.end(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           }) != text.end();
}

}  // namespace

std::optional<StatementFormat> GuessFormat(std::string_view bytes) {
    constexpr std::size_t kLook = 64 * 1024;
    std::string_view head = bytes.substr(0, kLook);
    if (head.substr(0, 3) == "\xEF\xBB\xBF")
        head.remove_prefix(3);
    head.remove_prefix(std::min(head.find_first_not_of(" \t\r\n"), head.size()));
    if (head.empty() || head.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (ContainsNoCase(head, "OFXHEADER") || ContainsNoCase(head, "<OFX>"))
        return StatementFormat::Ofx;
    if (head.front() == '<')
        return head.find("BkToCstmrStmt") != std::string_view::npos
                   ? std::optional(StatementFormat::Camt)
                   : std::nullopt;
    if (head.front() == '!')
        return StatementFormat::Qif;
    return StatementFormat::Csv;
}

StatementProblem ReadStatement(std::string_view bytes, Statement& statement,
                               const ReadOptions& options) {
    const std::optional<StatementFormat> format =
        options.format ? options.format : GuessFormat(bytes);
    if (!format) {
        StatementProblem p;
        p.kind = StatementProblem::Kind::UnknownFormat;
        return p;
    }
    switch (*format) {
        case StatementFormat::Ofx:
            return ReadOfx(bytes, statement, options.progress);
        case StatementFormat::Camt:
            return ReadCamt(bytes, statement);
        case StatementFormat::Qif:
            return ReadQif(bytes, statement, options.dateOrder);
        case StatementFormat::Csv:
            return ReadCsv(bytes, statement, options.csvLayout);
    }
    return {};
}

}  // namespace belvane
