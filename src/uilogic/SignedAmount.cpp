#include "uilogic/SignedAmount.h"

#include "core/CBelvaneDoc.h"

namespace belvane {

SignedAmountView ShowSignedAmount(const CBelvaneDoc& doc, Amount amount, bool zeroShown,
                                  bool zeroCredit) {
    if (amount == 0)
        return {zeroCredit, zeroShown ? doc.Format().FormatAmount(0, false, 0) : std::string()};
    return {amount > 0, doc.Format().FormatAmount(amount, false, 0)};
}

int PayeeLabelId(bool credit) {
    return credit ? 10054 : 10055;
}

}  // namespace belvane
