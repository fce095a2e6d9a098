#include "rules/LineSearch.h"

#include "core/CBelvaneDoc.h"
#include "core/CLigne.h"
#include "core/DayDate.h"

#include <gtest/gtest.h>

#include <unicode/locid.h>

#include <limits>
#include <string>
#include <vector>

namespace belvane {
namespace {

using Mode = SearchCriteria::Mode;

DayDate D(int year, int month, int day) {
    return ToDayDate(year, month, day);
}

// Issue dates rise with the index, so AddLine keeps this order.
class LineSearchTest : public testing::Test {
protected:
    LineSearchTest() {
        // issue, statement, validity, amount, reference, payment, category,
        // subcategory, payee, observation
        Add(D(2024, 1, 1), D(2024, 2, 1), D(2024, 1, 2), -1250, "CHQ 101", "Chèque", "Énergie",
            "Électricité", "Facture EDF", "janvier");
        Add(D(2024, 1, 5), 0, D(2024, 1, 5), 1250, "", "Virement", "Salaire", "", "Employeur",
            "prime été");
        Add(D(2024, 1, 9), 0, 0, 0, "", "Carte", "Divers", "", "épicerie", "");
        Add(D(2024, 1, 12), D(2024, 2, 1), D(2024, 1, 14), -300, "x", "Carte", "Alimentation",
            "Marché", "ÉPICERIE FINE", "straße");
        Add(D(2024, 1, 20), 0, D(2024, 1, 20), 999, "", "Virement", "Banque", "", "Banque", "Ibis");
    }
    void Add(DayDate issue, DayDate statement, DayDate validity, Amount amount,
             std::string reference, std::string payment, std::string category,
             std::string subcategory, std::string payee, std::string observation) {
        CLigne line;
        line.Set(issue, statement, validity, amount, std::move(reference), std::move(payment),
                 std::move(category), std::move(subcategory), std::move(payee),
                 std::move(observation));
        doc.AddLine(line);
    }
    // Every line found by repeating the search from each line found, as the
    // user pressing the button again does.
    std::vector<int> FindAll(const SearchCriteria& criteria, int step) const {
        std::vector<int> found;
        for (int i = FindLine(doc, criteria, -1, step); i != -1;
             i = FindLine(doc, criteria, i, step)) {
            found.push_back(i);
            if (found.size() > 10)
                break;  // a search that does not move on
        }
        return found;
    }
    CBelvaneDoc doc;
};

SearchCriteria And() {
    return {};
}
SearchCriteria Or() {
    SearchCriteria c;
    c.mode = Mode::Or;
    return c;
}
template <class F>
SearchCriteria With(SearchCriteria c, F f) {
    f(c);
    return c;
}

TEST_F(LineSearchTest, Criteria) {
    const struct {
        const char* what;
        SearchCriteria criteria;
        std::vector<int> expected;
    } cases[] = {
        {"And, nothing ticked: every line", And(), {0, 1, 2, 3, 4}},
        {"Or, nothing ticked: no line", Or(), {}},
        {"issue date", With(And(), [](auto& c) { c.issueDate = D(2024, 1, 12); }), {3}},
        {"issue date unreadable", With(And(), [](auto& c) { c.issueDate = 0; }), {}},
        {"statement date", With(And(), [](auto& c) { c.statementDate = D(2024, 2, 1); }), {0, 3}},
        {"statement date empty: unreconciled lines",
         With(And(), [](auto& c) { c.statementDate = 0; }),
         {1, 2, 4}},
        {"validity date", With(And(), [](auto& c) { c.validityDate = D(2024, 1, 5); }), {1}},
        {"validity date empty", With(And(), [](auto& c) { c.validityDate = 0; }), {2}},
        {"amount either sign", With(And(), [](auto& c) { c.amount = 1250; }), {0, 1}},
        {"amount and debit",
         With(And(),
              [](auto& c) {
                  c.amount = 1250;
                  c.debit = true;
              }),
         {0}},
        {"amount and credit",
         With(And(),
              [](auto& c) {
                  c.amount = 1250;
                  c.credit = true;
              }),
         {1}},
        {"amount zero", With(And(), [](auto& c) { c.amount = 0; }), {2}},
        {"amount zero, Or", With(Or(), [](auto& c) { c.amount = 0; }), {2}},
        {"And credit takes zero", With(And(), [](auto& c) { c.credit = true; }), {1, 2, 4}},
        {"Or credit leaves zero", With(Or(), [](auto& c) { c.credit = true; }), {1, 4}},
        {"And debit takes zero", With(And(), [](auto& c) { c.debit = true; }), {0, 2, 3}},
        {"Or debit leaves zero", With(Or(), [](auto& c) { c.debit = true; }), {0, 3}},
        {"And credit and debit: zero only",
         With(And(), [](auto& c) { c.credit = c.debit = true; }),
         {2}},
        {"Or credit or debit: all but zero",
         With(Or(), [](auto& c) { c.credit = c.debit = true; }),
         {0, 1, 3, 4}},
        {"And of date and payee: nothing",
         With(And(),
              [](auto& c) {
                  c.issueDate = D(2024, 1, 9);
                  c.payee = "edf";
              }),
         {}},
        {"Or of date and payee",
         With(Or(),
              [](auto& c) {
                  c.issueDate = D(2024, 1, 9);
                  c.payee = "edf";
              }),
         {0, 2}},
        {"And of payment and observation",
         With(And(),
              [](auto& c) {
                  c.payment = "carte";
                  c.observation = "SSE";
              }),
         {3}},
        {"Or of statement date and amount",
         With(Or(),
              [](auto& c) {
                  c.statementDate = D(2024, 2, 1);
                  c.amount = 999;
              }),
         {0, 3, 4}},
        {"text inside the field, any case", With(And(), [](auto& c) { c.payee = "edf"; }), {0}},
        {"small é finds É", With(And(), [](auto& c) { c.payee = "épi"; }), {2, 3}},
        {"capital É finds é", With(And(), [](auto& c) { c.payee = "ÉPICERIE"; }), {2, 3}},
        {"the whole value must be there",
         With(And(), [](auto& c) { c.payee = "épicerie fine"; }),
         {3}},
        {"accent counts", With(And(), [](auto& c) { c.payee = "epicerie"; }), {}},
        {"category, accented field", With(And(), [](auto& c) { c.category = "énerg"; }), {0}},
        {"subcategory, ASCII value in accented field",
         With(And(), [](auto& c) { c.subcategory = "tricit"; }),
         {0}},
        {"subcategory, value ending in an accent",
         With(And(), [](auto& c) { c.subcategory = "ché"; }),
         {3}},
        {"observation", With(And(), [](auto& c) { c.observation = "ÉTÉ"; }), {1}},
        {"full upper case: ß is SS", With(And(), [](auto& c) { c.observation = "strasse"; }), {3}},
        {"reference", With(And(), [](auto& c) { c.reference = "chq"; }), {0}},
        {"accented value never in an ASCII field",
         With(And(), [](auto& c) { c.category = "banqué"; }),
         {}},
        {"empty text is in every field",
         With(And(), [](auto& c) { c.reference = ""; }),
         {0, 1, 2, 3, 4}},
        {"empty text, Or", With(Or(), [](auto& c) { c.subcategory = ""; }), {0, 1, 2, 3, 4}},
        {"value longer than any field",
         With(And(), [](auto& c) { c.payment = "virements et cartes"; }),
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FindAll(c.criteria, +1), c.expected);
        const std::vector<int> backwards(c.expected.rbegin(), c.expected.rend());
        EXPECT_EQ(FindAll(c.criteria, -1), backwards);
    }
}

TEST_F(LineSearchTest, StartPoints) {
    // Line 2 alone has a zero amount; line 0 alone a payee holding EDF.
    SearchCriteria zero = And();
    zero.amount = 0;
    SearchCriteria first = And();
    first.payee = "edf";
    const struct {
        const char* what;
        SearchCriteria criteria;
        int selected, step, expected;
    } cases[] = {
        {"no selection, forwards: first line", And(), -1, +1, 0},
        {"no selection, backwards: last line", And(), -1, -1, 4},
        {"next line", And(), 2, +1, 3},
        {"previous line", And(), 2, -1, 1},
        {"from the last line forwards: nothing", And(), 4, +1, -1},
        {"from the first line backwards: nothing", And(), 0, -1, -1},
        {"from the first line forwards", And(), 0, +1, 1},
        {"from the last line backwards", And(), 4, -1, 3},
        {"Or with nothing ticked", Or(), -1, +1, -1},
        {"the selected line is not tested, forwards", zero, 2, +1, -1},
        {"the selected line is not tested, backwards", zero, 2, -1, -1},
        {"no wrap-around forwards", first, 1, +1, -1},
        {"found behind", first, 1, -1, 0},
        {"no selection finds the first line itself", first, -1, +1, 0},
        {"no selection backwards reaches the first line", first, -1, -1, 0},
        {"no selection backwards tests the last line", With(And(), [](auto& c) { c.amount = 999; }),
         -1, -1, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FindLine(doc, c.criteria, c.selected, c.step), c.expected);
    }
}

TEST(LineSearchEmptyTest, EmptyRegister) {
    CBelvaneDoc doc;
    EXPECT_EQ(FindLine(doc, And(), -1, +1), -1);
    EXPECT_EQ(FindLine(doc, And(), -1, -1), -1);
}

TEST_F(LineSearchTest, LowestAmountHasAnAbsoluteValue) {
    Add(D(2024, 2, 1), 0, 0, std::numeric_limits<Amount>::min(), "", "", "", "", "", "");
    SearchCriteria c = And();
    c.amount = std::numeric_limits<Amount>::min();  // what a wrapped 32-bit abs would give
    EXPECT_EQ(FindLine(doc, c, -1, +1), -1);
}

// Upper case follows the user's locale; in Turkish a small i becomes İ, so an
// ASCII field must not be raised letter by letter there.
TEST_F(LineSearchTest, TurkishUpperCase) {
    const icu::Locale saved = icu::Locale::getDefault();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("tr", "TR"), status);
    ASSERT_TRUE(U_SUCCESS(status));
    SearchCriteria capital = And();
    capital.observation = "IBIS";  // stays IBIS; the field "Ibis" becomes IBİS
    SearchCriteria small = And();
    small.observation = "bis";  // BİS, inside the field's IBİS
    const int capitalFound = FindLine(doc, capital, -1, +1);
    const int smallFound = FindLine(doc, small, -1, +1);
    icu::Locale::setDefault(saved, status);
    EXPECT_EQ(capitalFound, -1);
    EXPECT_EQ(smallFound, 4);
}

}  // namespace
}  // namespace belvane
