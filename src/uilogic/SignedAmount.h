#pragma once

#include "core/Types.h"

#include <string>

namespace belvane {

class CBelvaneDoc;

// How the line and the recurring movement entry dialogs show a stored amount:
// the amount without its sign in the field (nothing for 0), "Crédit" chosen
// above 0 and "Débit" otherwise.
struct SignedAmountView {
    bool credit = false;
    std::string text;
};
SignedAmountView ShowSignedAmount(const CBelvaneDoc& doc, Amount amount);

// The string number of the payee's label, which follows the sign chosen:
// "C&réditeur:" for a credit, "Débiteu&r:" for a debit.
int PayeeLabelId(bool credit);

}  // namespace belvane
