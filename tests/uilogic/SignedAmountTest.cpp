#include "uilogic/SignedAmount.h"

#include "core/ValueFormat.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(SignedAmount, ShowsTheAmountWithoutSignAndTheSignOnItsButtons) {
    const ValueFormat format{"%d.%m.%y", ","};
    const struct {
        Amount amount;
        bool zeroShown, zeroCredit;
        bool credit;
        const char* text;
        int payeeLabel;
    } cases[] = {
        {250000, true, true, true, "2500,00", 10054},
        {-650, true, true, false, "6,50", 10055},
        {0, false, false, false, "", 10055},
        {0, true, true, true, "0,00", 10054},
    };
    for (const auto& c : cases) {
        const SignedAmountView view = ShowSignedAmount(format, c.amount, c.zeroShown, c.zeroCredit);
        EXPECT_EQ(view.credit, c.credit) << c.amount;
        EXPECT_EQ(view.text, c.text) << c.amount;
        EXPECT_EQ(PayeeLabelId(view.credit), c.payeeLabel) << c.amount;
    }
}

}  // namespace
}  // namespace belvane
