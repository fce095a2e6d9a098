#include "uilogic/SignedAmount.h"

#include "core/CBelvaneDoc.h"

namespace belvane {

SignedAmountView ShowSignedAmount(const CBelvaneDoc& doc, Amount amount) {
    return {amount > 0, amount != 0 ? doc.FormatAmount(amount, false, 0) : std::string()};
}

int PayeeLabelId(bool credit) {
    return credit ? 10054 : 10055;
}

}  // namespace belvane
