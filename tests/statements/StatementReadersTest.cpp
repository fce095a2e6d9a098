// The statement readers on files shaped like those banks write (tests/data),
// sound and damaged, and the small readers of bank amounts.
#include "RecordBuilders.h"
#include "core/StringTable.h"
#include "statements/BankText.h"
#include "statements/StatementReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace belvane {
namespace {

using Kind = StatementProblem::Kind;

std::string Data(const std::string& name) {
    std::ifstream in(std::string(BELVANE_STATEMENT_DATA) + "/" + name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

using testutil::D;

// The files of tests/data/statements.
constexpr const char *sgml = "banque-sgml.ofx", *qfx = "carte-xml.qfx",
                     *camt = "releve.camt053.xml", *csv = "releve-fr.csv", *en = "export-en.csv",
                     *qif = "releve-fr.qif", *us = "quicken-us.qif";

// Some of a file's entries, by index: date, amount, name, memo, cheque, bank
// identifier and the line the entry starts on.
struct Expected {
    const char* file;
    std::size_t index;
    StatementEntry entry;
};

TEST(StatementReaders, FilesOfEachFormat) {
    // Each file's format, period, closing balance and number of entries.
    const std::tuple<const char*, StatementFormat, DayDate, DayDate, std::optional<Sum>,
                     std::size_t>
        files[] = {
            {sgml, StatementFormat::Ofx, D(2026, 1, 1), D(2026, 1, 31), 123518, 6},
            {qfx, StatementFormat::Ofx, D(2026, 2, 1), D(2026, 2, 28), -3930, 2},
            {camt, StatementFormat::Camt, D(2026, 1, 1), D(2026, 1, 31), 289435, 3},
            {csv, StatementFormat::Csv, D(2026, 1, 2), D(2026, 1, 30), std::nullopt, 4},
            {en, StatementFormat::Csv, D(2026, 2, 3), D(2026, 2, 4), std::nullopt, 2},
            {qif, StatementFormat::Qif, D(2026, 1, 2), D(2026, 1, 28), std::nullopt, 3},
            {us, StatementFormat::Qif, D(2025, 12, 30), D(2026, 1, 2), std::nullopt, 2},
        };
    const Expected entries[] = {
        {sgml, 0, D(2026, 1, 2), -2345, "CB MONOPRIX 31/12", "", "", "2026010200001", 20},
        {sgml, 1, D(2026, 1, 5), -12000, "CHEQUE 1234", "", "0001234", "2026010500001", 21},
        // Two operations with one bank identifier are two operations.
        {sgml, 2, D(2026, 1, 5), -990, "CB CAFÉ DE LA GARE", "Carte 4974 X", "", "2026010500002",
         22},
        {sgml, 3, D(2026, 1, 5), -990, "CB CAFÉ DE LA GARE", "Carte 4974 X", "", "2026010500002",
         23},
        // The day written, whatever the zone; a decimal comma; an unknown tag.
        {sgml, 4, D(2026, 1, 28), 215000, "VIR SALAIRE SOCIÉTÉ DURAND", "", "", "2026012800001",
         24},
        {sgml, 5, D(2026, 1, 30), -6120, "PRLV EDF & CO", "Echéance 01/2026", "", "2026013000001",
         25},
        {qfx, 0, D(2026, 2, 3), -5430, "Librairie Étienne", "", "", "F-0001", 22},
        {qfx, 1, D(2026, 2, 10), 1500, "Remboursement", "Avoir n° 77", "", "F-0002", 30},
        {camt, 0, D(2026, 1, 4), -4560, "Boulangerie Müller", "Facture 12 janvier", "", "A1", 18},
        {camt, 1, D(2026, 1, 27), 200000, "Société Durand", "VIR SEPA SALAIRE", "", "A2", 27},
        {camt, 2, D(2026, 1, 29), -6005, "CHEQUE 8800123", "", "8800123", "A3", 36},
        {csv, 0, D(2026, 1, 2), -2345, "CB MONOPRIX 31/12", "", "", "", 5},
        {csv, 2, D(2026, 1, 29), 215000, "VIR SALAIRE SOCIÉTÉ DURAND", "", "", "", 7},
        {csv, 3, D(2026, 1, 30), -6120, "PRLV EDF; échéance", "", "", "", 8},
        {en, 0, D(2026, 2, 3), -123450, "ACME, Inc.", "", "", "TX-1", 2},
        {en, 1, D(2026, 2, 4), 1200, "Refund", "", "", "TX-2", 3},
        {qif, 1, D(2026, 1, 5), -12000, "CHEQUE", "", "1234", "", 6},
        {qif, 2, D(2026, 1, 28), 215000, "VIR SALAIRE", "SOCIÉTÉ DURAND", "", "", 11},
        {us, 0, D(2025, 12, 30), -123456, "Rent", "", "", "", 6},
        {us, 1, D(2026, 1, 2), 4500, "Deposit", "", "", "", 11},
    };
    for (const auto& [file, format, from, to, closing, count] : files) {
        SCOPED_TRACE(file);
        const std::string bytes = Data(file);
        EXPECT_EQ(GuessFormat(bytes), format);
        Statement s;
        const StatementProblem p = ReadStatement(bytes, s);
        ASSERT_FALSE(p) << ProblemMessage(p, file, CStringTable::Builtin());
        EXPECT_EQ(std::tie(s.format, s.from, s.to, s.closingBalance),
                  std::tie(format, from, to, closing));
        ASSERT_EQ(s.entries.size(), count);
        for (const auto& [entryFile, index, x] : entries) {
            if (std::string_view(entryFile) != file)
                continue;
            SCOPED_TRACE(index);
            const StatementEntry& e = s.entries[index];
            EXPECT_EQ(std::tie(e.date, e.amount, e.name, e.memo, e.cheque, e.bankId, e.line),
                      std::tie(x.date, x.amount, x.name, x.memo, x.cheque, x.bankId, x.line));
        }
    }
}

// The line (from 1) where `marker` starts in `text`.
int LineOf(const std::string& text, const std::string& marker) {
    const std::size_t at = text.find(marker);
    return at == std::string::npos ? -1 : bank::LineAt(text, at);
}

// A damaged file is refused whole, naming the line and the element at fault.
TEST(StatementReaders, DamagedFilesNameTheLineAndElement) {
    const std::string kCut = "<cut>";  // the file ends in the middle of the marker
    const struct {
        const char* file;
        std::string find, replace;  // replace == kCut: the file ends there
        Kind kind;
        std::string element, text;
        std::string lineMarker;  // where the problem is; "" for no line, "$" for the last written
    } cases[] = {
        {sgml, "<TRNAMT>-9.90", kCut, Kind::Truncated, "", "", "$"},
        {sgml, "</OFX>", "\r\n", Kind::Truncated, "", "", "$"},
        {sgml, "<TRNAMT>-61.20", "<TRNAMT>abc", Kind::BadAmount, "TRNAMT", "abc", "<TRNAMT>abc"},
        {sgml, "<BALAMT>1235.18", "<BALAMT>", Kind::BadAmount, "BALAMT", "", "<LEDGERBAL>"},
        {sgml, "<DTPOSTED>20260130", "<DTPOSTED>20261330", Kind::BadDate, "DTPOSTED", "20261330",
         "20261330"},
        {sgml, "<TRNAMT>-120.00", "", Kind::Missing, "TRNAMT", "", "<TRNTYPE>CHECK"},
        {sgml, "</BANKMSGSRSV1>",
         "<STMTTRNRS><STMTRS><BANKACCTFROM><ACCTID>999</BANKACCTFROM></STMTRS></STMTTRNRS>"
         "</BANKMSGSRSV1>",
         Kind::SeveralAccounts, "", "00012345678, 999", ""},
        {qfx, "</STMTTRN>", "", Kind::Syntax, "STMTTRN", "", "<STMTTRN>"},
        {camt, "<Amt Ccy=\"EUR\">60.05", "<Amt Ccy=\"EUR\">60,05", Kind::BadAmount, "Amt", "60,05",
         "60,05"},
        {camt, "<ValDt><Dt>2026-01-04", "<ValDt><Dt>2026-01-32", Kind::BadDate, "ValDt",
         "2026-01-32", "2026-01-32"},
        {camt, "<AcctSvcrRef>A2", kCut, Kind::Truncated, "", "", "$"},
        {camt, "</BookgDt><ValDt>", "</BookgDt><ValDt", Kind::Syntax, "", "", "</BookgDt><ValDt"},
        {csv, "28/01/2026;29/01/2026", "28/01/2026;32/01/2026", Kind::BadDate, "Date valeur",
         "32/01/2026", "28/01/2026"},
        {csv, "61,20", "61,2x", Kind::BadAmount, "Débit euros", "61,2x", "30/01/2026"},
        {csv, "02/01/2026;CB MONOPRIX 31/12;23,45;", "02/01/2026;CB MONOPRIX 31/12;;",
         Kind::Missing, "Débit euros", "", "02/01/2026"},
        {csv, "\"PRLV EDF", kCut, Kind::Truncated, "", "", "$"},
        {csv, "Date op", kCut, Kind::UnknownColumns, "", "", ""},
        {qif, "DURAND\r\n^", "DURAND\r\n", Kind::Truncated, "", "", "$"},
        {qif, "T-120,00", "", Kind::Missing, "T", "", "D05/01/2026"},
        // 13 cannot be a month, 28 cannot either: the file writes dates both ways.
        {qif, "D05/01/2026", "D01/13/2026", Kind::MixedDateOrder, "D", "28/01/2026", "D28/01/2026"},
        {qif, "T2 150,00", "T2 150,00,0", Kind::BadAmount, "T", "2 150,00,0", "T2 150"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file + (" " + c.find));
        std::string bytes = Data(c.file);
        const std::size_t at = bytes.find(c.find);
        ASSERT_NE(at, std::string::npos);
        if (c.replace == kCut)
            bytes.resize(at + c.find.size() / 2);
        else
            bytes.replace(at, c.find.size(), c.replace);
        Statement s;
        s.entries.resize(1);  // left as it was
        const StatementProblem p = ReadStatement(bytes, s);
        EXPECT_EQ(std::tie(p.kind, p.element, p.text), std::tie(c.kind, c.element, c.text));
        const int line = c.lineMarker.empty()  ? 0
                         : c.lineMarker == "$" ? bank::LastLine(bytes)
                                               : LineOf(bytes, c.lineMarker);
        EXPECT_EQ(p.line, line);
        EXPECT_EQ(s.entries.size(), 1u);
        EXPECT_FALSE(ProblemMessage(p, c.file, CStringTable::Builtin()).empty());
    }
}

TEST(StatementReaders, UnknownFilesAndAskedDateOrders) {
    for (const std::string& bytes :
         {std::string("PK\x03\x04\0\0", 6), std::string("<html></html>"), std::string(" \r\n")}) {
        Statement s;
        EXPECT_EQ(ReadStatement(bytes, s).kind, Kind::UnknownFormat);
    }
    // Nothing in the file tells 5 June from 6 May: asked, then read as told.
    const std::string qif = "!Type:Bank\nD05/06/2026\nT-1.00\n^\nD06/05/2026\nT-2.00\n^\n";
    Statement s;
    EXPECT_EQ(ReadStatement(qif, s).kind, Kind::AmbiguousDates);
    ReadOptions options;
    options.dateOrder = DateOrder::DayFirst;
    ASSERT_FALSE(ReadStatement(qif, s, options));
    EXPECT_EQ(s.entries[0].date, D(2026, 6, 5));
    // The message names the file and the line.
    const StatementProblem p{Kind::BadAmount, StatementFormat::Csv, 12, "Montant", "12,3x"};
    EXPECT_EQ(ProblemMessage(p, "/tmp/releve.csv", CStringTable::Builtin()),
              "Le relevé /tmp/releve.csv ne peut être lu, ligne 12, colonne « Montant » : "
              "« 12,3x » n'est pas un montant.\nRien n'a été modifié.");
}

// A remembered column layout comes back as it was saved.
TEST(StatementReaders, CsvLayoutSettingsText) {
    const CsvLayout l{.delimiter = '\t',
                      .skip = 3,
                      .date = 0,
                      .debit = 4,
                      .credit = 5,
                      .name = 2,
                      .dateOrder = DateOrder::MonthFirst};
    EXPECT_EQ(LayoutFromText(LayoutToText(l)), l);
    for (const char* bad :
         {"", "x,1,0,2,-1,-1,-1,-1,-1,-1,0", ";,1,0,2", ";,1,-1,2,-1,-1,-1,-1,-1,-1,0"})
        EXPECT_FALSE(LayoutFromText(bad)) << bad;
}

TEST(BankText, Amounts) {
    const std::tuple<const char*, char, Kind, Amount> cases[] = {
        {"-1234.56", '.', Kind::None, -123456},
        {"1 234,56", ',', Kind::None, 123456},
        {"1\u00a0234,56", ',', Kind::None, 123456},
        {"1.234,56", ',', Kind::None, 123456},
        {"45,60-", ',', Kind::None, -4560},
        {"+12", '.', Kind::None, 1200},
        {".5", '.', Kind::None, 50},
        {"-45.6000", '.', Kind::None, -4560},
        {"21474836.47", '.', Kind::None, 2147483647},
        {"21474836.48", '.', Kind::AmountTooLarge, 0},
        {"99999999999999999999", '.', Kind::AmountTooLarge, 0},
        {"12.345", '.', Kind::BadAmount, 0},
        {"1,23,456.00", '.', Kind::BadAmount, 0},
        {"", '.', Kind::BadAmount, 0},
        {"-", '.', Kind::BadAmount, 0},
        {"12 EUR", ',', Kind::BadAmount, 0},
    };
    for (const auto& [text, decimal, kind, amount] : cases) {
        Amount a = 0;
        EXPECT_EQ(bank::ReadAmount(text, decimal, a), kind) << text;
        EXPECT_EQ(a, amount) << text;
    }
    using V = std::vector<std::string_view>;
    EXPECT_EQ(bank::DecideDecimal(V{"3", "12,50"}), ',');
    EXPECT_EQ(bank::DecideDecimal(V{"1,234.5"}), '.');
    EXPECT_EQ(bank::DecideDecimal(V{"1.234"}), ',');
    EXPECT_EQ(bank::DecideDecimal(V{"1,234"}), '.');
}

}  // namespace
}  // namespace belvane
