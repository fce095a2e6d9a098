#include "uilogic/SignedAmount.h"

#include "core/ValueFormat.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

TEST(SignedAmount, ShowsTheAmountWithoutSignAndTheSignOnItsButtons) {
    const ValueFormat format{"%d.%m.%y", ","};
    // The amount, whether a zero is shown and counts as a credit; the sign, text and
    // payee label shown.
    const std::tuple<Amount, bool, bool, bool, const char*, int> cases[] = {
        {250000, true, true, true, "2500,00", 10054},
        {-650, true, true, false, "6,50", 10055},
        {0, false, false, false, "", 10055},
        {0, true, true, true, "0,00", 10054},
    };
    for (const auto& [amount, zeroShown, zeroCredit, credit, text, payeeLabel] : cases) {
        const SignedAmountView view = ShowSignedAmount(format, amount, zeroShown, zeroCredit);
        EXPECT_EQ(std::tie(view.credit, view.text), std::tie(credit, text)) << amount;
        EXPECT_EQ(PayeeLabelId(view.credit), payeeLabel) << amount;
    }
}

}  // namespace
}  // namespace belvane
