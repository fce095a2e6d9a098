#include "rules/LineEntry.h"
#include "rules/MovementEntry.h"

#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace belvane {
namespace {

CLigne Line(DayDate issue, Amount amount, std::string observation) {
    return testutil::MakeLine(issue, 0, issue, amount, "", "", "", "", "", observation);
}

// The line and movement entries' checks and the records they build.
class LineEntryTest : public ::testing::Test {
protected:
    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};

    void SetUp() override {
        // Cards validate on the 5th of the following month; transfers two days
        // earlier for a debit, five days later for a credit.
        doc.AddPaiement(CPaiement("Carte", CPaiement::kFixedDayLater, 5, 1));
        doc.AddPaiement(
            CPaiement("Virement", CPaiement::kShiftDays, static_cast<std::uint16_t>(-2), 5));
        doc.InsertRubrique(0, testutil::MakeRubrique("Maison", 0, {{"Loyer", 0}}));
        doc.InsertBeneficiaire(0, CBeneficiaire("Boulangerie", "", ""));
    }

    // Texts that pass every check without a question: title, next date, months,
    // day, amount, credit, method, category, subcategory, payee, create, observation.
    static MovementEntryTexts ValidMovement() {
        return {"Loyer",    "15.12.08", "1",     "10", "650", false,
                "virement", "MAISON",   "loyer", "",   false, ""};
    }
};

TEST_F(LineEntryTest, ValidityFollowsIssueMethodAndSignUntilForced) {
    EXPECT_EQ(ComputedValidity(doc, "10.03.09", "carte", false), ToDayDate(2009, 5, 5))
        << "method found whatever its letter case";
    EXPECT_EQ(ComputedValidity(doc, "3.3.09", "Virement", false), ToDayDate(2009, 3, 1));
    EXPECT_EQ(ComputedValidity(doc, "40.3.09", "Carte", true), 0);

    // The forcing test runs on every keystroke in the validity field.
    EXPECT_FALSE(ValidityIsForced(doc, "3.3.09", "Virement", true, "8.3"))
        << "same day, written differently";
    EXPECT_TRUE(ValidityIsForced(doc, "3.3.09", "Virement", true, ""));
    EXPECT_TRUE(ValidityIsForced(doc, "3.3.09", "Virement", false, "08.03.09"));
    EXPECT_FALSE(ValidityIsForced(doc, "", "Virement", true, "")) << "nothing to compare yet";

    CLigne line =
        testutil::MakeLine(ToDayDate(2009, 3, 3), 0, ToDayDate(2009, 3, 8), 100, "", "VIREMENT");
    EXPECT_FALSE(LineHasForcedValidity(doc, line));
    line.m_montant = -100;
    EXPECT_TRUE(LineHasForcedValidity(doc, line)) << "a debit would validate on the 1st";
    line.m_montant = 0;
    EXPECT_FALSE(LineHasForcedValidity(doc, line)) << "zero counts as a credit";
}

TEST_F(LineEntryTest, CompletionTakesTheNewestMatchAmongTheLastLines) {
    const DayDate day = ToDayDate(2009, 1, 1);
    doc.AddLine(Line(day, -100, "Loyer garage"));
    doc.AddLine(Line(day, -100, "Loyer appartement"));
    doc.AddLine(Line(day, -100, "Lo"));
    doc.AddLine(Line(day, -100, "Électricité"));

    EXPECT_EQ(FindObservationCompletion(doc, "lo"), std::string())
        << "'Lo' is newest and long enough";
    EXPECT_EQ(FindObservationCompletion(doc, "loy"), "er appartement");
    EXPECT_EQ(FindObservationCompletion(doc, "LOYER G"), "arage");
    EXPECT_EQ(FindObservationCompletion(doc, "élec"), "tricité") << "accented letters fold too";
    EXPECT_FALSE(FindObservationCompletion(doc, "Loyer appartements"));
    EXPECT_FALSE(FindObservationCompletion(doc, ""));

    // Push "Loyer garage" to exactly the oldest line searched, then one further.
    const std::vector<CLigne> filler(kCompletionLines - 4, Line(day, -1, "autre"));
    for (const CLigne& l : filler)
        doc.AddLine(l);
    ASSERT_EQ(doc.GetLineCount(), kCompletionLines);
    EXPECT_EQ(FindObservationCompletion(doc, "loyer g"), "arage");
    doc.AddLine(Line(day, -1, "autre"));
    EXPECT_FALSE(FindObservationCompletion(doc, "loyer g")) << "3002 lines back";
    EXPECT_EQ(FindObservationCompletion(doc, "loyer a"), "ppartement");
}

TEST_F(LineEntryTest, CompleterNeverCompletesAfterADeletion) {
    doc.AddLine(Line(ToDayDate(2009, 1, 1), -100, "Loyer appartement"));
    ObservationCompleter completer;
    EXPECT_EQ(completer.OnChange(doc, "l"), "oyer appartement");
    // The dialog shows "loyer appartement" with the added part selected; the
    // user types "o" over the selection.
    EXPECT_EQ(completer.OnChange(doc, "lo"), "yer appartement");
    // Backspace removes the selection, then one more character.
    EXPECT_FALSE(completer.OnChange(doc, "lo"));
    EXPECT_FALSE(completer.OnChange(doc, "l"));
    EXPECT_EQ(completer.OnChange(doc, "lo"), "yer appartement") << "typing on completes again";

    // A search that finds nothing remembers nothing: the length stays that of
    // the last completion (here none since the opening).
    completer.Reset();
    EXPECT_FALSE(completer.OnChange(doc, "Loz"));
    EXPECT_EQ(completer.OnChange(doc, "Lo"), "yer appartement");
}

// The steps of a line's or a movement's acceptance checks, up to the last.
template <typename Checks, typename Texts>
std::vector<EntryStep> Steps(const CBelvaneDoc& doc, const Texts& texts) {
    Checks checks(doc, texts);
    std::vector<EntryStep> steps;
    for (int guard = 0; guard < 10; ++guard) {
        steps.push_back(checks.Next());
        if (steps.back().action == EntryStep::Accept || steps.back().action == EntryStep::Refuse)
            break;
    }
    return steps;
}

TEST_F(LineEntryTest, ChecksComeInTheirFixedOrder) {
    using S = EntryStep;
    using F = EntryField;
    // Issue, statement, amount, credit, method, reference, validity, category,
    // subcategory, payee, create, observation.
    LineEntryTexts t{"", "",        "",       false,        "Chèque", "",
                     "", "Loisirs", "Cinéma", "Cinéma Rex", true,     ""};

    // The issue date comes first, whatever else is wrong.
    EXPECT_EQ(Steps<LineEntryChecks>(doc, t), (std::vector<S>{{S::Refuse, F::IssueDate, 10000}}));

    // Then, before any question, a statement date, an amount and a validity
    // date typed that do not read.
    t.issue = "1.3.09";
    t.statement = "31.4.09";
    t.amount = "1 2";
    t.validity = "x";
    EXPECT_EQ(Steps<LineEntryChecks>(doc, t),
              (std::vector<S>{{S::Refuse, F::StatementDate, 10005}}));
    t.statement.clear();
    EXPECT_EQ(Steps<LineEntryChecks>(doc, t), (std::vector<S>{{S::Refuse, F::Amount, 10121}}));
    t.amount = "21474836,47";
    EXPECT_EQ(Steps<LineEntryChecks>(doc, t),
              (std::vector<S>{{S::Refuse, F::ValidityDate, 10026}}));
    t.validity.clear();

    // A subcategory under an unknown category is not checked.
    EXPECT_EQ(Steps<LineEntryChecks>(doc, t), (std::vector<S>{{S::AskCreate, F::Paiement, 10017},
                                                              {S::RefreshValidity, F::Paiement, 0},
                                                              {S::AskCreate, F::Rubrique, 10021},
                                                              {S::CreateOnExit, F::Beneficiaire, 0},
                                                              {S::Accept, F::IssueDate, 0}}));

    // Known names ask nothing; the validity is still refreshed for a method.
    t.paiement = "CARTE";
    t.rubrique = "maison";
    t.sousRubrique = "LOYER";
    t.createBeneficiaire = false;
    EXPECT_EQ(Steps<LineEntryChecks>(doc, t),
              (std::vector<S>{{S::RefreshValidity, F::Paiement, 0}, {S::Accept, F::IssueDate, 0}}));

    // Records created after a question count for the checks that follow.
    t.paiement.clear();
    t.rubrique = "Loisirs";
    t.sousRubrique = "Cinéma";
    LineEntryChecks checks(doc, t);
    EXPECT_EQ(checks.Next(), (S{S::AskCreate, F::Rubrique, 10021}));
    doc.InsertRubrique(1, CRubrique("Loisirs", 0));
    EXPECT_EQ(checks.Next(), (S{S::AskCreate, F::SousRubrique, 10022}));
    EXPECT_EQ(checks.Next(), (S{S::Accept, F::IssueDate, 0}));
}

TEST_F(LineEntryTest, BuildLineReadsWhatTheUserTyped) {
    LineEntryTexts t{"3.3.09", "",       "12,5",   false,         "virement", "123",
                     "",       "maison", "Garage", "Boulangerie", false,      "Pain"};
    // No statement date, the validity computed for a debit, the names kept as
    // typed.
    EXPECT_EQ(BuildLine(doc, t),
              testutil::MakeLine(ToDayDate(2009, 3, 3), 0, ToDayDate(2009, 3, 1), -1250, "123",
                                 "virement", "maison", "Garage", "Boulangerie", "Pain"));

    t.amount = "-1 234";
    t.credit = true;
    t.validity = "20.3.09";
    t.statement = "31.3.09";
    EXPECT_EQ(
        BuildLine(doc, t),
        testutil::MakeLine(ToDayDate(2009, 3, 3), ToDayDate(2009, 3, 31), ToDayDate(2009, 3, 20),
                           -123400, "123", "virement", "maison", "Garage", "Boulangerie", "Pain"))
        << "a forced date is kept; the typed sign wins";
}

EntryStep Refuse(EntryField field, int stringId) {
    return {EntryStep::Refuse, field, stringId};
}

// Each case types its texts over those of a valid movement.
TEST_F(LineEntryTest, MovementChecksComeInTheirFixedOrder) {
    using T = MovementEntryTexts;
    using F = EntryField;
    const EntryStep accept{EntryStep::Accept, F::Title, 0};
    const struct {
        const char* name;
        std::vector<std::pair<std::string T::*, std::string>> typed;
        std::vector<EntryStep> steps;
        bool createBeneficiaire = false;
    } cases[] = {
        {"valid", {}, {accept}},
        {"title before everything",
         {{&T::titre, ""}, {&T::nextDate, ""}, {&T::months, ""}, {&T::day, ""}, {&T::amount, "x"}},
         {Refuse(F::Title, 10014)}},
        {"next date before months",
         {{&T::nextDate, "32.1.09"}, {&T::months, "0"}},
         {Refuse(F::NextDate, 10013)}},
        {"months 0", {{&T::months, "0"}}, {Refuse(F::Months, 10015)}},
        {"months 99", {{&T::months, "99"}}, {accept}},
        {"months 100", {{&T::months, "100"}}, {Refuse(F::Months, 10015)}},
        {"months before day", {{&T::months, ""}, {&T::day, "32"}}, {Refuse(F::Months, 10015)}},
        {"day 32", {{&T::day, "32"}}, {Refuse(F::Day, 10031)}},
        {"day 31", {{&T::day, "31"}}, {accept}},
        {"amount beyond the limit before any question",
         {{&T::amount, "21474836,48"}, {&T::paiement, "Chèque"}},
         {Refuse(F::Amount, 10111)}},
        {"unknown names, no validity refresh",
         {{&T::amount, "21474836,47"},
          {&T::paiement, "Chèque"},
          {&T::rubrique, "Loisirs"},
          {&T::sousRubrique, "Cinéma"}},
         {{EntryStep::AskCreate, F::Paiement, 10017},
          {EntryStep::AskCreate, F::Rubrique, 10021},
          {EntryStep::CreateOnExit, F::Beneficiaire, 0},
          accept},
         true},
    };
    for (const auto& c : cases) {
        MovementEntryTexts t = ValidMovement();
        for (const auto& [field, value] : c.typed)
            t.*field = value;
        t.createBeneficiaire = c.createBeneficiaire;
        EXPECT_EQ(Steps<MovementEntryChecks>(doc, t), c.steps) << c.name;
    }
}

TEST_F(LineEntryTest, BuildMovementAlignsTheNextDateAndSignsTheAmount) {
    MovementEntryTexts t = ValidMovement();
    t.months = "3";
    const CMouvementAuto m = BuildMovement(doc, t);
    // Aligned by the rule of the generation's table.
    EXPECT_EQ(m.m_prochaineDate, ToDayDate(2009, 1, 10)) << "15.12.08 on day 10";
    EXPECT_EQ(std::tie(m.m_nbMois, m.m_jour, m.m_montant), std::tuple(3, 10, -65000));
    EXPECT_EQ(m.m_rubrique, "MAISON") << "names as typed";

    t.credit = true;
    EXPECT_EQ(BuildMovement(doc, t).m_montant, 65000);
}

}  // namespace
}  // namespace belvane
