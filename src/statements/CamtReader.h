#pragma once

#include "statements/Statement.h"

#include <string_view>

namespace belvane {

// Reads an ISO 20022 CAMT.053 account statement, any version of its namespace
// (elements are matched by their local names). Each booked entry (Ntry) is
// one operation: its value date, else its booking date; its amount signed by
// CdtDbtInd; the other party's name; the remittance text as memo. The closing
// balance is the balance of type CLBD.
StatementProblem ReadCamt(std::string_view bytes, Statement& statement);

}  // namespace belvane
