#pragma once

#include "core/Types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace belvane {

class CBelvaneDoc;
class CLigne;

// How a chart cuts its range of dates: the items of its period list, in order.
enum class PeriodKind { Day = 0, Week = 1, Month = 2, Year = 3 };

// One period of a chart: its days (both included), its label, and the sums of
// the lines dated within it.
struct PeriodTotal {
    DayDate start = 0;
    DayDate end = 0;
    std::string label;  // may hold two lines (weeks)
    Sum credits = 0;    // the amounts above 0
    Sum debits = 0;     // the magnitude of the amounts below 0
};

// Which lines a chart counts: all when `category` is empty; else those of that
// category (exact name), and with a `subcategory` only those of that one too.
struct ChartFilter {
    std::string category;
    std::string subcategory;

    bool Passes(const CLigne& line) const;
};

struct ChartData {
    std::vector<PeriodTotal> periods;
    Sum largest = 0;  // the largest credits or debits of any period; 0: nothing to draw
};

// The periods of `kind` that cover `from` to `to` (from <= to), without sums.
// Days: one a day. Weeks: Monday to Sunday, the range widened to whole weeks.
// Months: the 1st to the last day, from the month of `from` to that of `to`.
// Years: 1 January to 31 December. Labels come from the document's texts
// (10097 to 10110) and date format.
std::vector<PeriodTotal> MakePeriods(const CBelvaneDoc& doc, DayDate from, DayDate to,
                                     PeriodKind kind);

// The periods with the sums of the lines that pass `filter`, in one pass over
// the lines. A reversed range (to < from) gives no period.
ChartData ComputeChart(const CBelvaneDoc& doc, DayDate from, DayDate to, PeriodKind kind,
                       const ChartFilter& filter);

// Indices, ascending, of the lines behind one bar: dated within `period`,
// passing `filter`, above 0 (`credits`) or below 0.
std::vector<std::uint32_t> MatchBarLines(const CBelvaneDoc& doc, const PeriodTotal& period,
                                         bool credits, const ChartFilter& filter);

// The range a chart opens on: the issue dates of the first and the last line
// (0 and 0 without lines).
void DefaultChartRange(const CBelvaneDoc& doc, DayDate& from, DayDate& to);

}  // namespace belvane
