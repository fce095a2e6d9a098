#pragma once

#include "core/CPaiement.h"
#include "core/Types.h"

namespace belvane {

// The day from which the bank counts a line issued on `dateEmission` with this
// payment method. `credit` is set for an amount of zero or more. A result that
// would leave the range of user dates (1990 to 2035) gives the issue date back.
DayDate ComputeValidityDate(const CPaiement& paiement, DayDate dateEmission, bool credit);

}  // namespace belvane
