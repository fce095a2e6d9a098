#include "rules/Balances.h"

#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"

#include <gtest/gtest.h>

#include <limits>

namespace belvane {
namespace {

using testutil::D;

// One amount per decimal digit, so that a wrong sum shows which lines it took.
constexpr Amount kInitial = 200000000;
constexpr Amount A = -1, B = 10, C = -100, Dl = 1000, E = -10000, F = 100000, G = 1000000,
                 H = 10000000;
constexpr Amount kAll = A + B + C + Dl + E + F + G + H;

// Today is 2024-06-15 unless a case says otherwise.
class BalancesTest : public testing::Test {
protected:
    BalancesTest() {
        doc.SetMontantInitial(kInitial);
        // issue, statement, validity, amount
        Add(D(2024, 1, 10), D(2024, 2, 1), D(2024, 1, 12), A);
        Add(D(2024, 2, 28), D(2024, 7, 31), D(2024, 3, 1), B);  // a later statement
        Add(D(2024, 3, 5), 0, D(2024, 3, 5), C);
        Add(D(2024, 6, 10), 0, D(2024, 6, 20), Dl);              // validates after today
        Add(D(2024, 6, 15), D(2024, 6, 30), D(2024, 6, 15), E);  // today
        Add(D(2024, 6, 16), 0, D(2024, 6, 16), F);               // tomorrow
        Add(D(2024, 3, 1), 0, D(2024, 2, 27), G);                // validates before issue
        Add(D(2024, 4, 1), 0, 0, H);                             // no validity date
    }
    void Add(DayDate issue, DayDate statement, DayDate validity, Amount amount) {
        doc.AddLine(testutil::MakeLine(issue, statement, validity, amount));
    }
    CBelvaneDoc doc;
};

TEST_F(BalancesTest, Bounds) {
    const DayDate today = D(2024, 6, 15);
    const struct {
        const char* what;
        DayDate from, to, today;
        Sum available, real, lastStatement;
    } cases[] = {
        {"no bounds: real stops at today", 0, 0, today, kInitial + kAll,
         kInitial + A + B + C + E + G + H, kInitial + A + B + E},
        {"no bounds, a later today", 0, 0, D(2024, 6, 20), kInitial + kAll, kInitial + kAll,
         kInitial + A + B + E},
        {"from-date: start at 0, inclusive", D(2024, 3, 1), 0, today, C + Dl + E + F + G + H,
         B + C + E, E},
        {"from-date tomorrow", D(2024, 6, 16), 0, today, F, 0, 0},
        {"to-date before today", 0, D(2024, 6, 12), today, kInitial + A + B + C + Dl + G + H,
         kInitial + A + B + C + G + H, kInitial + A + B},
        {"to-date after today replaces today", 0, D(2024, 6, 30), today, kInitial + kAll,
         kInitial + kAll, kInitial + A + B + E},
        {"both bounds, inclusive", D(2024, 3, 1), D(2024, 6, 10), today, C + Dl + G + H, B + C, 0},
        {"to-date before from-date", D(2024, 6, 1), D(2024, 3, 1), today, 0, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ComputeBalances(doc, c.from, c.to, c.today),
                  (Balances{c.available, c.real, c.lastStatement}))
            << c.what;
}

TEST(Balances, SumsPassThe32BitAmounts) {
    CBelvaneDoc doc;
    constexpr Amount kMax = std::numeric_limits<Amount>::max();
    doc.SetMontantInitial(kMax);
    const CLigne line = testutil::MakeLine(D(2024, 1, 1), D(2024, 1, 2), D(2024, 1, 1), kMax);
    doc.AddLine(line);
    doc.AddLine(line);
    constexpr Sum kThree = Sum{3} * kMax;
    EXPECT_EQ(ComputeBalances(doc, 0, 0, D(2024, 6, 15)), (Balances{kThree, kThree, kThree}));
}

}  // namespace
}  // namespace belvane
