// Matching a statement with the register, and the import built on it.
#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"
#include "rules/Balances.h"
#include "statements/StatementImport.h"
#include "statements/StatementMatch.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

DayDate Jan(int day) {
    return ToDayDate(2026, 1, day);
}

// A register line: validity and statement dates, amount, reference, payee and
// what the newest line of a payee hands on.
struct L {
    DayDate validity;
    Amount amount;
    DayDate statement = 0;
    std::string reference = {}, payee = {}, payment = {}, category = {};
};

// A statement's operation: date, amount, cheque number, name, bank identifier.
struct E {
    DayDate date;
    Amount amount;
    std::string cheque = {}, name = {}, bankId = {};
};

struct Expect {
    MatchOutcome outcome;
    int line = -1;
};

void Fill(CBelvaneDoc& doc, const std::vector<L>& lines) {
    CLigneStore store;
    // Issue dates in store order; the validity date is what matching reads.
    for (const L& l : lines)
        store.push_back(testutil::MakeLine(Jan(1) - 86400 * 40, l.statement, l.validity, l.amount,
                                           l.reference, l.payment, l.category, "", l.payee));
    doc.PutLines(std::move(store));
}

Statement Make(const std::vector<E>& entries) {
    Statement s;
    for (const E& e : entries)
        s.entries.push_back({e.date, e.amount, e.name, "", e.cheque, e.bankId});
    return s;
}

TEST(StatementMatch, Rules) {
    const DayDate none = 0;
    const struct {
        const char* what;
        std::vector<L> lines;
        std::vector<E> entries;
        std::vector<Expect> expected;
    } cases[] = {
        {"the closest validity date wins",
         {{Jan(1), -1000}, {Jan(8), -1000}, {Jan(3), -1000}},
         {{Jan(5), -1000}},
         {{MatchOutcome::Matched, 2}}},
        {"at equal distance, the oldest line",
         {{Jan(7), -1000}, {Jan(3), -1000}},
         {{Jan(5), -1000}},
         {{MatchOutcome::Matched, 0}}},
        {"two equal payments of one day take two lines",
         {{Jan(5), -990}, {Jan(5), -990}},
         {{Jan(5), -990}, {Jan(5), -990}},
         {{MatchOutcome::Matched, 0}, {MatchOutcome::Matched, 1}}},
        {"the pairs closest in date are made first, whatever the order of the file",
         {{Jan(7), -500}, {Jan(1), -500}},
         {{Jan(5), -500}, {Jan(8), -500}},
         {{MatchOutcome::Matched, 1}, {MatchOutcome::Matched, 0}}},
        {"more than 7 days apart, or another sign: new",
         {{Jan(1), -500}, {Jan(9), 500}},
         {{Jan(9), -500}},
         {{MatchOutcome::New}}},
        {"a line without validity date counts by its issue date",
         {{none, -700}},
         {{Jan(1) - 86400 * 38, -700}},
         {{MatchOutcome::Matched, 0}}},
        {"a cheque cashed late matches by its number, within 90 days",
         {{Jan(2), -12000, 0, "1234"}, {Jan(2), -12000, 0, "1235"}},
         {{Jan(2) + 86400 * 80, -12000, "0001234"}, {Jan(2) + 86400 * 91, -12000, "1235"}},
         {{MatchOutcome::Matched, 0}, {MatchOutcome::New}}},
        {"a line naming another cheque is another payment",
         {{Jan(5), -12000, 0, "1235"}, {Jan(6), -12000}},
         {{Jan(5), -12000, "1234"}},
         {{MatchOutcome::Matched, 1}}},
        {"the cheque's own line before a closer one",
         {{Jan(5), -3000}, {Jan(1), -3000, 0, "77"}},
         {{Jan(5), -3000, "77"}},
         {{MatchOutcome::Matched, 1}}},
        {"lines already stamped first: a statement read again changes nothing",
         {{Jan(5), -990}, {Jan(5), -990, Jan(31)}},
         {{Jan(5), -990}},
         {{MatchOutcome::Already, 1}}},
        {"a shared bank identifier drops nothing",
         {{Jan(5), -990}},
         {{Jan(5), -990, "", "CAFE", "X1"}, {Jan(5), -990, "", "CAFE", "X1"}},
         {{MatchOutcome::Matched, 0}, {MatchOutcome::New}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CBelvaneDoc doc;
        Fill(doc, c.lines);
        const std::vector<EntryMatch> m = MatchStatement(doc.Registre(), Make(c.entries));
        ASSERT_EQ(m.size(), c.expected.size());
        for (std::size_t i = 0; i < m.size(); ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(m[i].outcome, c.expected[i].outcome);
            EXPECT_EQ(m[i].line, c.expected[i].line);
        }
    }
}

// A new line takes the register's payee of that name (case and blanks aside)
// and what the newest line of that payee was paid with and filed under.
TEST(StatementMatch, ProposedLines) {
    CBelvaneDoc doc;
    Fill(doc, {{Jan(1), -100, 0, "", "Café de la Gare", "CB", "Loisirs"},
               {Jan(2), -200, 0, "", "Café de la Gare", "Espèces", "Sorties"},
               {Jan(3), -300, 0, "", "Autre", "Virement", "Divers"}});
    doc.InsertBeneficiaire(0, CBeneficiaire("Café de la Gare", "", ""));
    Statement s = Make({{Jan(20), -450, "", "CAFÉ DE LA  GARE"}, {Jan(21), -50, "991", "Inconnu"}});
    s.entries[0].memo = "Carte 4974";
    const std::vector<EntryMatch> m = MatchStatement(doc.Registre(), s);
    const CLigne& a = m[0].proposed;
    const DayDate noStatement = 0;
    EXPECT_EQ(std::tie(a.m_dateEmission, a.m_dateValidite, a.m_dateReleve, a.m_montant),
              std::tie(s.entries[0].date, s.entries[0].date, noStatement, s.entries[0].amount));
    EXPECT_EQ(
        std::vector<std::string>({a.m_beneficiaire, a.m_paiement, a.m_rubrique, a.m_observation}),
        std::vector<std::string>({"Café de la Gare", "Espèces", "Sorties", "Carte 4974"}));
    const CLigne& b = m[1].proposed;
    EXPECT_EQ(std::vector<std::string>({b.m_beneficiaire, b.m_paiement, b.m_reference}),
              std::vector<std::string>({"Inconnu", "", "991"}));
}

// The import applied is one change: read again, or overlapped by the next
// statement, it changes nothing more; one Undo takes it back; no line ever goes.
TEST(StatementImport, AppliedOnceWhateverIsReadAgain) {
    CBelvaneDoc doc;
    Fill(doc, {{Jan(3), -2345}, {Jan(5), -12000, 0, "1234"}, {Jan(20), -990}});
    const std::string before = doc.SaveToBytes();
    const Statement january =
        Make({{Jan(2), -2345}, {Jan(9), -12000, "1234"}, {Jan(28), 215000, "", "SALAIRE"}});
    StatementImport first(doc, january);
    EXPECT_EQ(first.BalanceAfter(), -2345 - 12000 + 215000);
    first.Apply(doc, Jan(31));
    EXPECT_EQ(doc.GetLineCount(), 4);
    EXPECT_EQ(ComputeBalances(doc, 0, 0, 0).lastStatement, first.BalanceAfter());
    const std::string applied = doc.SaveToBytes();

    // The same file again; then a file that overlaps it by two operations.
    StatementImport again(doc, january);
    EXPECT_EQ(again.TickedCount(MatchOutcome::Already), 3);
    again.Apply(doc, Jan(31));
    EXPECT_EQ(doc.SaveToBytes(), applied);
    StatementImport overlap(doc,
                            Make({{Jan(28), 215000}, {Jan(9), -12000, "1234"}, {Jan(21), -990}}));
    EXPECT_EQ(overlap.TickedCount(MatchOutcome::Already), 2);
    EXPECT_EQ(overlap.Outcome(2), MatchOutcome::Matched);

    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(doc.SaveToBytes(), before);
}

// The user's choices: a match untouched, moved or left out, a new line edited.
TEST(StatementImport, ChoicesBeforeApplying) {
    CBelvaneDoc doc;
    Fill(doc, {{Jan(5), -990}, {Jan(6), -990}, {Jan(20), -990, Jan(1)}});
    StatementImport import(doc, Make({{Jan(5), -990}, {Jan(8), -100, "", "NOUVEAU"}}));
    // The stamped line is no candidate; the other free line is.
    EXPECT_EQ(import.Candidates(0), (std::vector<int>{0, 1}));
    import.SetLine(0, 2);  // refused: stamped already
    EXPECT_EQ(import.Line(0), 0);
    import.SetLine(0, 1);
    EXPECT_EQ(import.Line(0), 1);
    CLigne edited = import.Proposed(1);
    edited.m_beneficiaire = "Nouveau";
    import.SetProposed(1, edited);
    import.SetTicked(1, false);
    EXPECT_EQ(import.BalanceAfter(), -990 - 990);
    import.SetTicked(1, true);
    import.Apply(doc, Jan(10));
    EXPECT_EQ(doc.GetLine(1).m_dateReleve, Jan(10));
    EXPECT_EQ(doc.GetLine(0).m_dateReleve, 0);
    EXPECT_EQ(doc.GetLine(3).m_beneficiaire, "Nouveau");
    EXPECT_EQ(doc.GetLine(3).m_dateReleve, Jan(10));
}

}  // namespace
}  // namespace belvane
