#pragma once

#include "core/CLigne.h"
#include "statements/Statement.h"

#include <vector>

namespace belvane {

class CRegistre;

// What becomes of an operation of the statement.
enum class MatchOutcome {
    Matched,  // a register line without a statement date: to be stamped
    Already,  // a line already stamped: nothing to do
    New,      // no line: a line to add, stamped
};

struct EntryMatch {
    MatchOutcome outcome = MatchOutcome::New;
    int line = -1;    // the register line, by its index before any change; -1 when new
    CLigne proposed;  // the line proposed for a new one
};

struct MatchOptions {
    int days = 7;         // the greatest distance between the bank's date and a validity date
    int chequeDays = 90;  // the same for a cheque whose number is the line's reference
};

// The date of a line that the bank's date is compared with: its validity
// date, or its issue date while it has none (a line made from a recurring
// movement that never went through the entry dialog).
DayDate MatchDate(const CLigne& line);

// Matches each operation of the statement with at most one line of the
// register, and each line with at most one operation:
// - a line matches an operation of the same amount (sign included) whose date
//   lies within `days` of the line's MatchDate; when the operation is a cheque
//   and the line's reference is its number, within `chequeDays` (a cheque
//   cashed late); a line whose reference is another cheque number never does;
// - lines that already carry a statement date are taken first, so that a
//   statement read again, or one that overlaps the last, changes nothing;
// - among the candidates a line of the cheque's number comes first, then the
//   closest date, then the oldest line (lowest index), then the operation
//   first in the file; so two equal payments of one day take two lines.
// The operations left are proposed as new lines: issue and validity date the
// operation's, its amount and cheque number, the payee of the register named
// like the operation (letter case and blanks aside: from the payee list, else
// as the lines write it) or else the operation's name, the payment method, category and subcategory
// of the newest line of that payee, and the bank's memo as observation. No operation is ever left
// out, whatever its bank identifier.
std::vector<EntryMatch> MatchStatement(const CRegistre& registre, const Statement& statement,
                                       const MatchOptions& options = {});

// Whether a line's reference names the cheque `number` (leading zeros aside).
bool SameCheque(std::string_view number, std::string_view reference);

}  // namespace belvane
