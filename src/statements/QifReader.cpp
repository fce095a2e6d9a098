#include "statements/QifReader.h"

#include "statements/BankText.h"

#include <algorithm>
#include <set>

namespace belvane {

namespace {

using Kind = StatementProblem::Kind;

StatementProblem Problem(Kind kind, int line, std::string element = {},
                         std::string_view text = {}) {
    StatementProblem p;
    p.kind = kind;
    p.format = StatementFormat::Qif;
    p.line = line;
    p.element = std::move(element);
    p.text = bank::Excerpt(text);
    return p;
}

// A record as written, before its date and amount are read.
struct Record {
    int line = 0;
    int dateLine = 0, amountLine = 0;
    std::string date, amount, payee, memo, number;
    bool any = false;
};

// Whether the section a "!Type:" or "!Account" header opens holds transactions.
bool HoldsTransactions(std::string_view header) {
    static constexpr std::string_view kTypes[] = {"!type:bank", "!type:ccard", "!type:cash",
                                                  "!type:otha", "!type:othl"};
    std::string key;
    for (char c : header)
        if (c != ' ' && c != '\t')
            key += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::find(std::begin(kTypes), std::end(kTypes), key) != std::end(kTypes);
}

// Splits the text into records of the transaction sections.
StatementProblem SplitRecords(std::string_view text, std::vector<Record>& records) {
    bool headerSeen = false, inTransactions = false, afterAccount = false;
    std::set<std::string> accounts;
    std::string account;
    Record record;
    int lineNo = 0, lastLine = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (bank::Tidy(line).empty())
            continue;
        lastLine = lineNo;
        if (line.front() == '!') {
            if (record.any)
                return Problem(Kind::Syntax, lineNo, "^");
            headerSeen = true;
            const std::string header = bank::Tidy(line);
            afterAccount = header.size() >= 8 && bank::TitleKey(header) == "account";
            inTransactions = HoldsTransactions(header);
            continue;
        }
        if (!headerSeen)
            return Problem(Kind::Missing, lineNo, "!Type");
        const char code = line.front();
        const std::string value = bank::Tidy(line.substr(1));
        if (code == '^') {
            if (afterAccount)
                account = record.payee;  // the account record's name, kept in N
            else if (inTransactions && record.any) {
                if (!account.empty())
                    accounts.insert(account);
                records.push_back(record);
            }
            record = Record();
            continue;
        }
        if (!record.any)
            record.line = lineNo;
        record.any = true;
        switch (afterAccount ? (code == 'N' ? 'P' : '\0') : code) {
            case 'D':
                record.date = value;
                record.dateLine = lineNo;
                break;
            case 'T':
                record.amount = value;
                record.amountLine = lineNo;
                break;
            case 'U':
                if (record.amount.empty()) {
                    record.amount = value;
                    record.amountLine = lineNo;
                }
                break;
            case 'P':
                record.payee = value;
                break;
            case 'M':
                record.memo = value;
                break;
            case 'N':
                record.number = value;
                break;
            default:
                break;
        }
    }
    if (record.any)
        return Problem(Kind::Truncated, lastLine);
    if (!headerSeen)
        return Problem(Kind::UnknownFormat, 0);
    if (accounts.size() > 1) {
        std::string list;
        for (const std::string& a : accounts)
            list += (list.empty() ? "" : ", ") + a;
        return Problem(Kind::SeveralAccounts, 0, {}, list);
    }
    return {};
}

}  // namespace

StatementProblem ReadQif(std::string_view bytes, Statement& statement, DateOrder order) {
    const std::string text =
        bank::DecodeText({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    std::vector<Record> records;
    if (StatementProblem p = SplitRecords(text, records))
        return p;

    std::vector<bank::DateParts> parts(records.size());
    std::vector<std::string_view> amounts;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        if (r.date.empty())
            return Problem(Kind::Missing, r.line, "D");
        if (r.amount.empty())
            return Problem(Kind::Missing, r.line, "T");
        if (bank::ReadIsoDate(r.date) == 0 && !bank::SplitDate(r.date, parts[i]))
            return Problem(Kind::BadDate, r.dateLine, "D", r.date);
        amounts.push_back(r.amount);
    }
    const bank::OrderDecision decision = bank::DecideDateOrder(parts);
    const int at = std::max(decision.bad, decision.mixed);
    if (at >= 0)
        return Problem(decision.bad >= 0 ? Kind::BadDate : Kind::MixedDateOrder,
                       records[at].dateLine, "D", records[at].date);
    if (order == DateOrder::Unknown)
        order = decision.order;
    if (order == DateOrder::Unknown)
        return Problem(Kind::AmbiguousDates, 0);
    const char decimal = bank::DecideDecimal(amounts);

    Statement out;
    out.format = StatementFormat::Qif;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        StatementEntry e;
        e.line = r.line;
        const bank::DateParts& p = parts[i];
        e.date = p.year == 0 ? bank::ReadIsoDate(r.date) : bank::DateInOrder(p, order);
        if (e.date == 0)
            return Problem(Kind::BadDate, r.dateLine, "D", r.date);
        if (const Kind k = bank::ReadAmount(r.amount, decimal, e.amount); k != Kind::None)
            return Problem(k, r.amountLine, "T", r.amount);
        e.name = r.payee.empty() ? r.memo : r.payee;
        e.memo = r.memo;
        if (!r.number.empty() && std::all_of(r.number.begin(), r.number.end(),
                                             [](char c) { return c >= '0' && c <= '9'; }))
            e.cheque = r.number;
        out.Add(std::move(e));
    }
    statement = std::move(out);
    return {};
}

}  // namespace belvane
