#include "rules/StatementToggle.h"

namespace belvane {

StatementToggle DecideStatementToggle(DayDate lineStatement, DayDate currentStatement) {
    if (lineStatement == 0)
        return StatementToggle::Stamp;
    if (lineStatement == currentStatement)
        return StatementToggle::Unstamp;
    return StatementToggle::Refuse;
}

}  // namespace belvane
