#pragma once

#include "core/Types.h"

#include <string>

namespace belvane {

class ValueFormat;

// How an amount field with "Crédit" / "Débit" buttons shows a stored amount:
// the amount without its sign, "Crédit" chosen above 0 and "Débit" below. An
// amount of 0 shows nothing unless `zeroShown`, and "Crédit" when `zeroCredit`
// (the line and movement dialogs show neither; the initial amounts "Crédit").
struct SignedAmountView {
    bool credit = false;
    std::string text;
};
SignedAmountView ShowSignedAmount(const ValueFormat& format, Amount amount, bool zeroShown,
                                  bool zeroCredit);

// The string number of the payee's label, which follows the sign chosen:
// "C&réditeur:" for a credit, "Débiteu&r:" for a debit.
int PayeeLabelId(bool credit);

}  // namespace belvane
