#pragma once

#include "statements/Statement.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

// Where the columns of a bank's CSV file are. Columns count from 0; -1 is a
// column the file does not have.
struct CsvLayout {
    char delimiter = ';';
    int skip = 1;  // rows before the first operation: the titles and what precedes them
    int date = -1;
    int amount = -1;  // signed; or the two columns below
    int debit = -1;   // debits, written positive or negative
    int credit = -1;
    int name = -1;
    int memo = -1;
    int cheque = -1;
    int bankId = -1;
    DateOrder dateOrder = DateOrder::Unknown;  // of d/m/y dates; Unknown: told from the file

    bool HasAmount() const { return amount >= 0 || debit >= 0 || credit >= 0; }
    friend bool operator==(const CsvLayout&, const CsvLayout&) = default;
};

// The layout as a settings value, and back (nothing for a text that is not one).
std::string LayoutToText(const CsvLayout& layout);
std::optional<CsvLayout> LayoutFromText(std::string_view text);

// The usual layouts, recognised from the row of column titles (French and
// English: Date / Date opération / Date valeur, Libellé, Montant or Débit and
// Crédit...), which may follow a few rows of account details; the delimiter is
// ';', tab or ','. Nothing when the file has no such row.
std::optional<CsvLayout> DetectLayout(std::string_view text);

// The first `count` rows of the file split by `delimiter`, for the column dialog.
std::vector<std::vector<std::string>> CsvRows(std::string_view text, char delimiter, int count);
// The delimiter the file most likely uses.
char GuessDelimiter(std::string_view text);

// Reads a CSV statement (UTF-8 or windows-1252) in `layout`, or in the layout
// detected when none is given (UnknownColumns when none is). The decimal
// separator is told from the whole amount column; dates are dd/mm/yyyy (or
// with '.' or '-', or a two-digit year) or yyyy-mm-dd. Rows without a date
// and without an amount (blank or summary rows) are passed over.
StatementProblem ReadCsv(std::string_view bytes, Statement& statement,
                         const CsvLayout* layout = nullptr);

}  // namespace belvane
