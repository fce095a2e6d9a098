#include "statements/CsvReader.h"

#include "core/ValueFormat.h"
#include "statements/BankText.h"

#include <csv.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdlib>

namespace belvane {

namespace {

using Kind = StatementProblem::Kind;

struct Row {
    int line = 0;
    std::vector<std::string> cells;
};

// What libcsv hands over, gathered into rows with their line numbers.
struct RowCollector {
    std::vector<Row> rows;
    Row current;
    bool started = false;
    int line = 1;
    std::size_t limit = 0;  // 0: every row

    static void OnField(void* data, std::size_t size, void* self) {
        auto& c = *static_cast<RowCollector*>(self);
        if (!c.started) {
            c.current.line = c.line;
            c.started = true;
        }
        const char* text = static_cast<const char*>(data);
        c.current.cells.emplace_back(text != nullptr ? text : "", text != nullptr ? size : 0);
        c.line += static_cast<int>(
            std::count(c.current.cells.back().begin(), c.current.cells.back().end(), '\n'));
    }
    static void OnRowEnd(int terminator, void* self) {
        auto& c = *static_cast<RowCollector*>(self);
        if (c.started && (c.limit == 0 || c.rows.size() < c.limit))
            c.rows.push_back(std::move(c.current));
        c.current = Row();
        c.started = false;
        if (terminator == '\n')
            ++c.line;
    }
};

// Splits the text into rows. A quote out of place is a damaged file (Syntax
// at its line), a quoted field left open at the end one cut short (Truncated).
Kind ParseRows(std::string_view text, char delimiter, std::size_t limit, std::vector<Row>& rows,
               int& line) {
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
        return Kind::Syntax;
    csv_set_delim(&parser, static_cast<unsigned char>(delimiter));
    RowCollector collector;
    collector.limit = limit;
    // With a limit, the text is given a piece at a time until enough rows came.
    constexpr std::size_t kPiece = 4096;
    Kind kind = Kind::None;
    for (std::size_t pos = 0; pos < text.size() && (limit == 0 || collector.rows.size() < limit);
         pos += kPiece) {
        const std::size_t n = std::min(kPiece, text.size() - pos);
        if (csv_parse(&parser, text.data() + pos, n, RowCollector::OnField, RowCollector::OnRowEnd,
                      &collector) != n) {
            kind = Kind::Syntax;
            break;
        }
    }
    const bool enough = limit != 0 && collector.rows.size() >= limit;
    if (kind == Kind::None && !enough &&
        csv_fini(&parser, RowCollector::OnField, RowCollector::OnRowEnd, &collector) != 0)
        kind = Kind::Truncated;
    csv_free(&parser);
    line = collector.line;
    rows = std::move(collector.rows);
    return kind;
}

enum class Role { None, Date, ValueDate, Amount, Debit, Credit, Name, Memo, Cheque, BankId };

// The role of a column by its title.
Role RoleOf(std::string_view title) {
    struct Title {
        std::string_view key;
        Role role;
    };
    static constexpr std::array kTitles = {
        Title{"date", Role::Date},
        Title{"dateoperation", Role::Date},
        Title{"datedoperation", Role::Date},
        Title{"datedeloperation", Role::Date},
        Title{"datecomptable", Role::Date},
        Title{"bookingdate", Role::Date},
        Title{"transactiondate", Role::Date},
        Title{"postingdate", Role::Date},
        Title{"datevaleur", Role::ValueDate},
        Title{"datedevaleur", Role::ValueDate},
        Title{"valuedate", Role::ValueDate},
        Title{"montant", Role::Amount},
        Title{"amount", Role::Amount},
        Title{"debit", Role::Debit},
        Title{"credit", Role::Credit},
        Title{"libelle", Role::Name},
        Title{"libelleoperation", Role::Name},
        Title{"libelledeloperation", Role::Name},
        Title{"libellecourt", Role::Name},
        Title{"description", Role::Name},
        Title{"label", Role::Name},
        Title{"intitule", Role::Name},
        Title{"payee", Role::Name},
        Title{"beneficiaire", Role::Name},
        Title{"tiers", Role::Name},
        Title{"memo", Role::Memo},
        Title{"detail", Role::Memo},
        Title{"details", Role::Memo},
        Title{"libelleetendu", Role::Memo},
        Title{"libellecomplementaire", Role::Memo},
        Title{"informationscomplementaires", Role::Memo},
        Title{"commentaire", Role::Memo},
        Title{"numerodecheque", Role::Cheque},
        Title{"numerocheque", Role::Cheque},
        Title{"ncheque", Role::Cheque},
        Title{"nodecheque", Role::Cheque},
        Title{"cheque", Role::Cheque},
        Title{"checknumber", Role::Cheque},
        Title{"reference", Role::BankId},
        Title{"transactionid", Role::BankId},
    };
    // "Montant (EUR)", "Débit €": the currency after the title is not part of it.
    std::string rest = bank::Tidy(title);
    for (;;) {
        const std::size_t cut = rest.find_last_of(" (");
        if (cut == std::string::npos)
            break;
        const std::string last = bank::TitleKey(rest.substr(cut + 1));
        if (last != "" && last != "eur" && last != "euro" && last != "euros")
            break;
        rest.erase(cut);
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '('))
            rest.pop_back();
    }
    const std::string key = bank::TitleKey(rest);
    for (const Title& t : kTitles)
        if (t.key == key)
            return t.role;
    return Role::None;
}

std::optional<CsvLayout> LayoutOfTitles(const std::vector<std::string>& titles) {
    CsvLayout layout;
    int valueDate = -1;
    for (std::size_t i = 0; i < titles.size(); ++i) {
        int* column = nullptr;
        switch (RoleOf(titles[i])) {
            case Role::Date:
                column = &layout.date;
                break;
            case Role::ValueDate:
                column = &valueDate;
                break;
            case Role::Amount:
                column = &layout.amount;
                break;
            case Role::Debit:
                column = &layout.debit;
                break;
            case Role::Credit:
                column = &layout.credit;
                break;
            case Role::Name:
                column = &layout.name;
                break;
            case Role::Memo:
                column = &layout.memo;
                break;
            case Role::Cheque:
                column = &layout.cheque;
                break;
            case Role::BankId:
                column = &layout.bankId;
                break;
            case Role::None:
                break;
        }
        if (column != nullptr && *column < 0)
            *column = static_cast<int>(i);
    }
    // The value date is the day the amount counts on the account, as the
    // register's validity date is: it wins over the booking date.
    if (valueDate >= 0)
        layout.date = valueDate;
    if (layout.date < 0 || !layout.HasAmount())
        return std::nullopt;
    return layout;
}

constexpr std::array<char, 3> kDelimiters = {';', '\t', ','};

StatementProblem Problem(Kind kind, int line, std::string element = {},
                         std::string_view text = {}) {
    StatementProblem p;
    p.kind = kind;
    p.format = StatementFormat::Csv;
    p.line = line;
    p.element = std::move(element);
    p.text = bank::Excerpt(text);
    return p;
}

}  // namespace

std::string LayoutToText(const CsvLayout& l) {
    const char delimiter = l.delimiter == '\t' ? 't' : l.delimiter;
    std::string out(1, delimiter);
    for (const int v : {l.skip, l.date, l.amount, l.debit, l.credit, l.name, l.memo, l.cheque,
                        l.bankId, static_cast<int>(l.dateOrder)})
        out += "," + std::to_string(v);
    return out;
}

std::optional<CsvLayout> LayoutFromText(std::string_view text) {
    if (text.size() < 2 || text[1] != ',')
        return std::nullopt;
    CsvLayout l;
    l.delimiter = text[0] == 't' ? '\t' : text[0];
    if (std::find(kDelimiters.begin(), kDelimiters.end(), l.delimiter) == kDelimiters.end())
        return std::nullopt;
    int* fields[] = {&l.skip, &l.date, &l.amount, &l.debit, &l.credit,
                     &l.name, &l.memo, &l.cheque, &l.bankId};
    int order = 0;
    std::size_t pos = 2;
    for (std::size_t i = 0; i <= std::size(fields); ++i) {
        int& target = i < std::size(fields) ? *fields[i] : order;
        const auto [end, ec] =
            std::from_chars(text.data() + pos, text.data() + text.size(), target);
        if (ec != std::errc() || target < -1 || target > 999)
            return std::nullopt;
        pos = static_cast<std::size_t>(end - text.data());
        const bool last = i == std::size(fields);
        if (last ? pos != text.size() : (pos >= text.size() || text[pos] != ','))
            return std::nullopt;
        ++pos;
    }
    if (order < 0 || order > 2 || l.skip < 0 || l.date < 0 || !l.HasAmount())
        return std::nullopt;
    l.dateOrder = static_cast<DateOrder>(order);
    return l;
}

std::optional<CsvLayout> DetectLayout(std::string_view text) {
    constexpr std::size_t kTitleRows = 30;  // account details may come before the titles
    for (const char delimiter : kDelimiters) {
        std::vector<Row> rows;
        int line = 0;
        ParseRows(text, delimiter, kTitleRows, rows, line);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (std::optional<CsvLayout> layout = LayoutOfTitles(rows[r].cells)) {
                layout->delimiter = delimiter;
                layout->skip = static_cast<int>(r) + 1;
                return layout;
            }
        }
    }
    return std::nullopt;
}

std::vector<std::vector<std::string>> CsvRows(std::string_view text, char delimiter, int count) {
    std::vector<Row> rows;
    int line = 0;
    ParseRows(text, delimiter, static_cast<std::size_t>(std::max(count, 1)), rows, line);
    std::vector<std::vector<std::string>> out;
    for (Row& r : rows)
        out.push_back(std::move(r.cells));
    return out;
}

char GuessDelimiter(std::string_view text) {
    const std::string_view first = text.substr(0, text.find('\n'));
    char best = ';';
    std::size_t most = 0;
    for (const char d : kDelimiters) {
        const auto n = static_cast<std::size_t>(std::count(first.begin(), first.end(), d));
        if (n > most) {
            most = n;
            best = d;
        }
    }
    return best;
}

StatementProblem ReadCsv(std::string_view bytes, Statement& statement, const CsvLayout* given) {
    const std::string text =
        bank::DecodeText({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    std::optional<CsvLayout> detected;
    if (given == nullptr) {
        detected = DetectLayout(text);
        if (!detected)
            return Problem(Kind::UnknownColumns, 0);
    }
    const CsvLayout& layout = given != nullptr ? *given : *detected;
    std::vector<Row> rows;
    int line = 0;
    if (const Kind k = ParseRows(text, layout.delimiter, 0, rows, line); k != Kind::None)
        return Problem(k, k == Kind::Truncated ? bank::LastLine(text) : line);

    const auto skip = static_cast<std::size_t>(std::max(layout.skip, 0));
    const auto title = [&](int column) {
        if (skip > 0 && skip <= rows.size() &&
            static_cast<std::size_t>(column) < rows[skip - 1].cells.size() &&
            !bank::Tidy(rows[skip - 1].cells[column]).empty())
            return bank::Tidy(rows[skip - 1].cells[column]);
        return std::to_string(column + 1);
    };

    // First the cells as written, then the dates and amounts read once the
    // day/month order and the decimal separator are known from all of them.
    struct Cells {
        int line = 0;
        std::string date, amount, debit, credit;
        bank::DateParts parts;
        StatementEntry entry;
    };
    std::vector<Cells> data;
    std::vector<std::string_view> amountTexts;
    for (std::size_t r = skip; r < rows.size(); ++r) {
        const Row& row = rows[r];
        const auto cell = [&](int column) {
            return column >= 0 && static_cast<std::size_t>(column) < row.cells.size()
                       ? bank::Tidy(row.cells[column])
                       : std::string();
        };
        Cells c;
        c.line = row.line;
        c.date = cell(layout.date);
        c.amount = cell(layout.amount);
        c.debit = cell(layout.debit);
        c.credit = cell(layout.credit);
        const bool noAmount = c.amount.empty() && c.debit.empty() && c.credit.empty();
        if (c.date.empty() && noAmount)
            continue;  // a blank row, or a summary without a date or amount
        if (c.date.empty())
            return Problem(Kind::Missing, c.line, title(layout.date));
        if (noAmount) {
            const int column = layout.amount >= 0  ? layout.amount
                               : layout.debit >= 0 ? layout.debit
                                                   : layout.credit;
            return Problem(Kind::Missing, c.line, title(column));
        }
        if (bank::ReadIsoDate(c.date) == 0 && !bank::SplitDate(c.date, c.parts))
            return Problem(Kind::BadDate, c.line, title(layout.date), c.date);
        c.entry.line = c.line;
        c.entry.name = cell(layout.name);
        c.entry.memo = cell(layout.memo);
        c.entry.cheque = cell(layout.cheque);
        c.entry.bankId = cell(layout.bankId);
        data.push_back(std::move(c));
    }
    for (const Cells& c : data)
        for (const std::string* s : {&c.amount, &c.debit, &c.credit})
            if (!s->empty())
                amountTexts.push_back(*s);
    const char decimal = bank::DecideDecimal(amountTexts);
    std::vector<bank::DateParts> parts;
    for (const Cells& c : data)
        parts.push_back(c.parts);
    const bank::OrderDecision decision = bank::DecideDateOrder(parts);
    if (const int at = std::max(decision.bad, decision.mixed); at >= 0)
        return Problem(decision.bad >= 0 ? Kind::BadDate : Kind::MixedDateOrder, data[at].line,
                       title(layout.date), data[at].date);
    DateOrder order = layout.dateOrder;
    if (order == DateOrder::Unknown)
        order = decision.order == DateOrder::Unknown ? DateOrder::DayFirst : decision.order;

    Statement out;
    out.format = StatementFormat::Csv;
    out.entries.reserve(data.size());
    for (Cells& c : data) {
        StatementEntry& e = c.entry;
        e.date = c.parts.year == 0 ? bank::ReadIsoDate(c.date) : bank::DateInOrder(c.parts, order);
        if (e.date == 0)
            return Problem(Kind::BadDate, c.line, title(layout.date), c.date);
        // A signed amount, or a debit (whatever its sign) less a credit.
        const auto read = [&](const std::string& text, int column, Amount& value) {
            value = 0;
            if (text.empty())
                return StatementProblem();
            const Kind k = bank::ReadAmount(text, decimal, value);
            return k == Kind::None ? StatementProblem() : Problem(k, c.line, title(column), text);
        };
        Amount amount = 0, debit = 0, credit = 0;
        if (StatementProblem p = read(c.amount, layout.amount, amount))
            return p;
        if (StatementProblem p = read(c.debit, layout.debit, debit))
            return p;
        if (StatementProblem p = read(c.credit, layout.credit, credit))
            return p;
        const Sum total = Sum{amount} - std::abs(Sum{debit}) + std::abs(Sum{credit});
        if (total > Sum{kMaxAmount} || total < -Sum{kMaxAmount})
            return Problem(Kind::AmountTooLarge, c.line, title(layout.credit), c.credit);
        e.amount = static_cast<Amount>(total);
        if (e.name.empty())
            e.name = e.memo;
        out.Add(std::move(e));
    }
    statement = std::move(out);
    return {};
}

}  // namespace belvane
