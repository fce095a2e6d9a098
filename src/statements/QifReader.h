#pragma once

#include "statements/Statement.h"

#include <string_view>

namespace belvane {

// Reads a QIF file: the records of its bank, card or cash sections, one per
// "^", fields by their first letter (D date, T or U amount, P payee, M memo,
// N number: a cheque number when it is all digits). The day/month order of
// the dates is `order` when known, else told from the whole file: a number
// above 12 in either place, else the order that gives the dates the shorter
// span. A file where neither tells gives AmbiguousDates, to be asked.
StatementProblem ReadQif(std::string_view bytes, Statement& statement,
                         DateOrder order = DateOrder::Unknown);

}  // namespace belvane
