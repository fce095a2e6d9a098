#pragma once

#include "core/Types.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

class CStringTable;

// The kinds of bank statement file the program reads.
enum class StatementFormat { Ofx, Qif, Csv, Camt };

// "ofx", "qif", "csv", "camt": the format's name on the command line and in JSON.
std::string_view FormatKey(StatementFormat format);
std::optional<StatementFormat> FormatFromKey(std::string_view key);
// "OFX", "QIF", "CSV", "CAMT.053": the format's name for the user.
std::string_view FormatName(StatementFormat format);

// The order of day and month in dates such as "05/06/2025".
enum class DateOrder { Unknown, DayFirst, MonthFirst };

// One operation of the statement, as the bank wrote it.
struct StatementEntry {
    DayDate date = 0;  // the day the amount counts on the account (the value date when given)
    Amount amount = 0;
    std::string name;    // the bank's label of the operation, or the other party's name
    std::string memo;    // the bank's further text
    std::string cheque;  // the cheque number, when the operation is a cheque
    std::string bankId;  // the bank's own identifier of the operation; several may share one
    int line = 0;        // the line of the file where the operation starts (1 for the first)
};

// What every reader gives, whatever the file's format.
struct Statement {
    StatementFormat format = StatementFormat::Csv;
    std::vector<StatementEntry> entries;  // in the file's order
    DayDate from = 0;                     // the period covered; 0 when the file says nothing
    DayDate to = 0;
    std::optional<Sum> closingBalance;  // the balance at the end, when the format gives one

    // Adds an entry after the others and widens the period to its date.
    void Add(StatementEntry entry);
};

// Why a file could not be read. Nothing is read from a file with a problem.
struct StatementProblem {
    enum class Kind {
        None,
        UnknownFormat,    // not a statement file the program knows
        UnknownColumns,   // a CSV file whose columns are not recognised
        Truncated,        // the file ends before the statement does
        Syntax,           // the structure of the format is broken
        Missing,          // an element or column that the format requires is absent
        BadDate,          // `text` is not a date
        BadAmount,        // `text` is not an amount
        AmountTooLarge,   // `text` does not fit in an amount of the register
        MixedDateOrder,   // day/month dates written both ways
        AmbiguousDates,   // the day/month order cannot be told from the file
        SeveralAccounts,  // operations of more than one account; `text` lists them
        Cancelled,        // the user stopped the reading
    };
    Kind kind = Kind::None;
    StatementFormat format = StatementFormat::Csv;  // names the place: element, column or field
    int line = 0;         // 1 for the first line of the file; 0 when not known
    std::string element;  // the element, field or column concerned, when known
    std::string text;     // the text at fault, cut to a readable length

    explicit operator bool() const { return kind != Kind::None; }
};

// The message shown for a problem of the file `path`, in the texts of `strings`.
std::string ProblemMessage(const StatementProblem& problem, std::string_view path,
                           const CStringTable& strings);

// Told how far a long reading has come (done out of total, in operations);
// returns false to stop it.
using StatementProgress = std::function<bool(int done, int total)>;

}  // namespace belvane
