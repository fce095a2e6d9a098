#pragma once

#include "core/Types.h"

#include <string>

// The register of a new fiscal year made from the open one: every line goes,
// the reference lists, summary and display settings stay, and the old year's
// amounts are carried forward by one of six methods, into initial amounts or
// into a few generated lines. A generated line is dated, closed and valid at
// the date given, carries the observation given, and the lines come in the
// order they are generated.
namespace belvane {

class CBelvaneDoc;

enum NewYearMethod : int {
    kEraseOnly = 0,                  // lines removed, nothing carried
    kCarryIntoInitial = 1,           // every amount into the initial amounts
    kLinePerCategory = 2,            // a line per category, subcategories into initial amounts
    kLinePerSubcategory = 3,         // a line per category and per subcategory
    kEverythingInLines = 4,          // as 3, the amounts without category in a line of their own
    kCategoryLinesResetInitial = 5,  // initial amounts to 0, a line per category
};
inline constexpr int kNewYearMethodCount = 6;

// Whether the method generates lines and so needs a date and an observation.
bool NeedsDateAndObservation(int method);

// Turns `doc` into the new year's register: lines removed, statement mode left,
// undo forgotten, no file name (the default title), then the method applied and
// the register marked modified. Returns false, with nothing changed, when a
// carried amount would no longer fit a stored amount.
bool StartNewYear(CBelvaneDoc& doc, int method, DayDate date, const std::string& observation);

}  // namespace belvane
