#pragma once

#include "core/CPaiement.h"
#include "core/Types.h"

#include <string_view>

namespace belvane {

class CBelvaneDoc;

// The day from which the bank counts a line issued on `dateEmission` with this
// payment method. `credit` is set for an amount of zero or more. A result that
// would leave the range of user dates (1990 to 2035) gives the issue date back.
DayDate ComputeValidityDate(const CPaiement& paiement, DayDate dateEmission, bool credit);

// The validity date by the rule of the register's payment method named
// `paiement` (letter case ignored), or the issue date itself when no method has
// that name; 0 without an issue date.
DayDate ValidityDateFor(const CBelvaneDoc& doc, DayDate dateEmission, std::string_view paiement,
                        bool credit);

}  // namespace belvane
