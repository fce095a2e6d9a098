#pragma once

#include "core/Types.h"

namespace belvane {

enum class StatementToggle { Stamp, Unstamp, Refuse };

// A line without statement date takes the current one; a line of the current
// statement loses it; a line of another statement is left alone.
StatementToggle DecideStatementToggle(DayDate lineStatement, DayDate currentStatement);

}  // namespace belvane
