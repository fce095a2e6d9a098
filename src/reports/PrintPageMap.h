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
    int unit = 0;        // W: a column character, or a totals box
    int rows = 1;        // rows of the map a page holds (at least 1)
};

PrintMetrics ComputePrintMetrics(PrintKind kind, const PrintDevice& device);

// The register lines of `range` in print order: oldest first, or grouped by
// category and then by subcategory (no subcategory first) in the order of the
// lists, leaving out lines whose pair of names is not in the lists.
std::vector<std::int32_t> RegisterPageMap(const CBelvaneDoc& doc, LineRange range, bool sorted);

// The pages of the totals by category: `columns` boxes across a page, `vertical`
// pages down the categories and `horizontal` pages across the subcategories.
struct TotalsGrid {
    int columns = 1;
    int vertical = 1;
    int horizontal = 1;
};
TotalsGrid ComputeTotalsGrid(int pageWidth, int unit, int rows, int categories,
                             int maxSubcategories);
// For each vertical page and then each horizontal page, the pair (first
// category row, first column), column -1 being the category's own total.
std::vector<std::int32_t> TotalsPageMap(const TotalsGrid& grid, int rows);

// Chart periods a page holds (at least 1).
int ChartBarsPerPage(int pageWidth, int unit);

// Pages of a job, never fewer than 1: `units` rows (lines kinds), periods
// (charts) or totals pages (V x Hp), `perPage` of them on a page.
int PrintPageCount(std::int64_t units, int perPage);

}  // namespace belvane
