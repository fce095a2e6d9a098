#include "rules/LineSearch.h"

#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"

#include <gtest/gtest.h>

#include <unicode/locid.h>

#include <limits>
#include <vector>

namespace belvane {
namespace {

using Mode = SearchCriteria::Mode;

using testutil::D;

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
    template <typename... Fields>
    void Add(Fields... fields) {
        doc.AddLine(testutil::MakeLine(fields...));
    }
    // Every line found by repeating the search from each line found, as the
    // user pressing the button again does: with no selection the search starts
    // at either end, it never tests the selected line and never wraps around.
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

constexpr Mode Or = Mode::Or;

TEST_F(LineSearchTest, Criteria) {
    const std::tuple<const char*, SearchCriteria, std::vector<int>> cases[] = {
        {"And, nothing ticked: every line", {}, {0, 1, 2, 3, 4}},
        {"Or, nothing ticked: no line", {.mode = Or}, {}},
        {"issue date", {.issueDate = D(2024, 1, 12)}, {3}},
        {"issue date unreadable", {.issueDate = 0}, {}},
        {"statement date", {.statementDate = D(2024, 2, 1)}, {0, 3}},
        {"statement date empty: unreconciled lines", {.statementDate = 0}, {1, 2, 4}},
        {"validity date", {.validityDate = D(2024, 1, 5)}, {1}},
        {"validity date empty", {.validityDate = 0}, {2}},
        {"amount either sign", {.amount = 1250}, {0, 1}},
        {"amount and debit", {.amount = 1250, .debit = true}, {0}},
        {"amount and credit", {.amount = 1250, .credit = true}, {1}},
        {"amount zero", {.amount = 0}, {2}},
        {"And credit takes zero", {.credit = true}, {1, 2, 4}},
        {"Or credit leaves zero", {.mode = Or, .credit = true}, {1, 4}},
        {"And credit and debit: zero only", {.credit = true, .debit = true}, {2}},
        {"Or credit or debit: not zero", {.mode = Or, .credit = true, .debit = true}, {0, 1, 3, 4}},
        {"And of date and payee: nothing", {.issueDate = D(2024, 1, 9), .beneficiaire = "edf"}, {}},
        {"Or of date and payee",
         {.mode = Or, .issueDate = D(2024, 1, 9), .beneficiaire = "edf"},
         {0, 2}},
        {"And of payment and observation", {.paiement = "carte", .observation = "SSE"}, {3}},
        {"Or of statement date and amount",
         {.mode = Or, .statementDate = D(2024, 2, 1), .amount = 999},
         {0, 3, 4}},
        {"text inside the field, any case", {.beneficiaire = "edf"}, {0}},
        {"é finds É and é", {.beneficiaire = "épi"}, {2, 3}},
        {"the whole value must be there", {.beneficiaire = "épicerie fine"}, {3}},
        {"accent counts", {.beneficiaire = "epicerie"}, {}},
        {"category, accented field", {.rubrique = "énerg"}, {0}},
        {"subcategory, ASCII value in accented field", {.sousRubrique = "tricit"}, {0}},
        {"subcategory, value ending in an accent", {.sousRubrique = "ché"}, {3}},
        {"observation", {.observation = "ÉTÉ"}, {1}},
        {"full upper case: ß is SS", {.observation = "strasse"}, {3}},
        {"reference", {.reference = "chq"}, {0}},
        {"accented value never in an ASCII field", {.rubrique = "banqué"}, {}},
        {"empty text is in every field", {.reference = ""}, {0, 1, 2, 3, 4}},
        {"empty text, Or", {.mode = Or, .sousRubrique = ""}, {0, 1, 2, 3, 4}},
        {"value longer than any field", {.paiement = "virements et cartes"}, {}},
    };
    for (const auto& [what, criteria, expected] : cases) {
        SCOPED_TRACE(what);
        EXPECT_EQ(FindAll(criteria, +1), expected);
        EXPECT_EQ(FindAll(criteria, -1), std::vector<int>(expected.rbegin(), expected.rend()));
    }
}

TEST_F(LineSearchTest, LowestAmountHasAnAbsoluteValue) {
    Add(D(2024, 2, 1), 0, 0, std::numeric_limits<Amount>::min());
    // What a wrapped 32-bit abs would give.
    const SearchCriteria c{.amount = std::numeric_limits<Amount>::min()};
    EXPECT_EQ(FindLine(doc, c, -1, +1), -1);
}

// Upper case follows the user's locale; in Turkish a small i becomes İ, so an
// ASCII field must not be raised letter by letter there.
TEST_F(LineSearchTest, TurkishUpperCase) {
    const icu::Locale saved = icu::Locale::getDefault();
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale("tr", "TR"), status);
    ASSERT_TRUE(U_SUCCESS(status));
    const SearchCriteria capital{.observation = "IBIS"};  // the field "Ibis" becomes IBİS
    const SearchCriteria small{.observation = "bis"};     // BİS, inside the field's IBİS
    const int capitalFound = FindLine(doc, capital, -1, +1);
    const int smallFound = FindLine(doc, small, -1, +1);
    icu::Locale::setDefault(saved, status);
    EXPECT_EQ(capitalFound, -1);
    EXPECT_EQ(smallFound, 4);
}

}  // namespace
}  // namespace belvane
