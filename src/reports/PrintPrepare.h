#pragma once

#include "reports/PrintData.h"
#include "reports/PrintOptions.h"

namespace belvane {

class CBelvaneDoc;

// The first and last line index of the register printed (last < first: none).
struct LineRange {
    int first = 0;
    int last = -1;

    bool operator==(const LineRange&) const = default;
};

// The print dialog's flags for a job: register lines grey the sort box when the
// register has no category and the range when it has no line; the other kinds
// hide what does not concern them.
int PrintDialogFlags(PrintKind kind, bool hasCategories, bool hasLines);

// Sets up the options block for a new job of `kind`: the dates of the first and
// last lines (0 and 0 for an empty register), the dialog flags, and the sort
// option switched off when the register has no category.
void PreparePrintOptions(const CBelvaneDoc& doc, PrintKind kind, PrintOptions& options);

// The register's lines to print. With every line chosen (`fromTo` false), all
// of them. With "from … to …" chosen, dates given in reverse order are swapped
// in the options, then the range runs from the first line issued on or after
// the start to the last issued on or before the end.
LineRange SelectPrintRange(const CBelvaneDoc& doc, bool fromTo, PrintOptions& options);

}  // namespace belvane
