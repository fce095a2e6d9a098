#pragma once

#include "reports/PrintData.h"
#include "reports/PrintPrepare.h"

#include <cstdint>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// What the printer tells of a font, in device pixels.
struct PrintFontMetrics {
    int height = 0;  // character height
    int externalLeading = 0;
    int averageWidth = 0;
    int maxWidth = 0;
};

// The printable page and the three print fonts measured on it.
struct PrintDevice {
    int pageWidth = 0;
    int pageHeight = 0;
    PrintFontMetrics header, lines, graph;
};

// Where things go on a page, in device pixels.
struct PrintMetrics {
    int headerHeight = 0;  // H
    int titleY = 0;
    int bodyTop = 0;
    int footerY = 0;
    int bodyBottom = 0;
    int lineHeight = 0;  // L: a row, or a totals box
    int unit = 0;        // W: a column character, or the narrowest totals box
    int ruleY = 0;       // lines kinds: the rule under the column titles
    int rowsTop = 0;     // the first row (lines kinds: clear of the rule)
    int rows = 1;        // rows of the map a page holds (at least 1)
};

PrintMetrics ComputePrintMetrics(PrintKind kind, const PrintDevice& device);

// The register lines of `range` in print order: oldest first, or grouped by
// category and then by subcategory (no subcategory first) in the order of the
// lists, leaving out lines whose pair of names is not in the lists.
std::vector<std::int32_t> RegisterPageMap(const CBelvaneDoc& doc, LineRange range, bool sorted);

// The boxes of the totals by category across the page: as many as fit at
// `charWidth` x (`widestChars` + 3) pixels each (18 characters at the least),
// two at the least, sharing the whole width.
struct TotalsGrid {
    int columns = 2;
    int boxWidth = 1;

    bool operator==(const TotalsGrid&) const = default;
};
TotalsGrid ComputeTotalsGrid(int pageWidth, int charWidth, int widestChars);
// The rows of the totals: for each, the pair (category, first subcategory in
// it). A category's row holds its own box and then `columns` - 1 of its
// subcategories; those that do not fit go on to further rows of their own,
// each opened again by the category's box.
std::vector<std::int32_t> TotalsRowMap(const CategoryTotalsPrint& totals, int columns);

// Chart periods a page holds (at least 1).
int ChartBarsPerPage(int pageWidth, int unit);

// Pages of a job, never fewer than 1: `units` rows or periods, `perPage` of
// them on a page.
int PrintPageCount(std::int64_t units, int perPage);

}  // namespace belvane
