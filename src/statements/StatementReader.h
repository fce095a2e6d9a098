#pragma once

#include "statements/CsvReader.h"
#include "statements/Statement.h"

#include <optional>
#include <string_view>

namespace belvane {

// How to read a statement file; everything left empty is told from the file.
struct ReadOptions {
    std::optional<StatementFormat> format;
    DateOrder dateOrder = DateOrder::Unknown;  // of QIF dates (a CSV layout has its own)
    const CsvLayout* csvLayout = nullptr;      // of a CSV file whose titles are not known
    StatementProgress progress;                // told while a long file is read
};

// The format of a statement file from its first bytes, or nothing.
std::optional<StatementFormat> GuessFormat(std::string_view bytes);

// Reads a statement file's bytes in the format given or guessed. On a problem
// `statement` is left as it was.
StatementProblem ReadStatement(std::string_view bytes, Statement& statement,
                               const ReadOptions& options = {});

}  // namespace belvane
