#include "uilogic/SignedAmount.h"

#include "core/ValueFormat.h"

namespace belvane {

SignedAmountView ShowSignedAmount(const ValueFormat& format, Amount amount, bool zeroShown,
                                  bool zeroCredit) {
    if (amount == 0)
        return {zeroCredit, zeroShown ? format.FormatAmount(0, false, 0) : std::string()};
    return {amount > 0, format.FormatAmount(amount, false, 0)};
}

int PayeeLabelId(bool credit) {
    return credit ? 10054 : 10055;
}

}  // namespace belvane
