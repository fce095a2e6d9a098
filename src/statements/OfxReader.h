#pragma once

#include "statements/Statement.h"

#include <string_view>

namespace belvane {

// Reads an OFX 1.x (SGML) or 2.x (XML) file, QFX included. libofx parses the
// file; its answer says nothing of damage, so the text is checked first: the
// file ends its OFX element, every operation is closed and has a date and an
// amount, every balance is an amount. The day of an operation is the one the
// bank wrote, whatever the time and zone after it.
//
// libofx takes a time that grows with the square of the operations of one
// file, so it is fed the operations a thousand at a time (the envelope
// repeated around each batch): the time grows in proportion, and `progress`
// is told after each batch.
// How many operations one call of libofx reads at most.
inline constexpr int kOfxBatch = 1000;

StatementProblem ReadOfx(std::string_view bytes, Statement& statement,
                         const StatementProgress& progress = {}, int batch = kOfxBatch);

// The checks of the text alone, without libofx: what the fuzzer exercises,
// libofx taking some 15 ms a call to load its document type definition.
StatementProblem CheckOfxText(std::string_view bytes);

}  // namespace belvane
