#pragma once

#include "core/Types.h"

#include <cstdint>
#include <string>
#include <vector>

// What the windows other than the register hand to the print engine. Each
// window fills one of these from what it shows and starts the job with it; the
// engine lays out and paints the pages from this data alone.
namespace belvane {

// The four kinds of print job.
enum class PrintKind { RegisterLines, CategoryTotals, MatchingLines, Charts };

// The matching-lines window: the listed line indices (ascending; printed in
// that order) and the title printed after the register's name.
struct MatchingLinesPrint {
    std::vector<int> lines;
    std::string printTitle;
};

// One subcategory of a category row: its name and its total in cents.
struct SubcategoryTotal {
    std::string name;
    std::int64_t total = 0;
};

// One category row: the category's own total, then one box per subcategory.
struct CategoryTotalRow {
    std::string name;
    std::int64_t total = 0;
    std::vector<SubcategoryTotal> subcategories;
};

// The totals-by-category window: its rows in the category list's order.
struct CategoryTotalsPrint {
    std::vector<CategoryTotalRow> rows;
    std::string printTitle;
};

// One period of the charts: its label (may hold two lines, split by '\n'), the
// sum of its credits and the magnitude of the sum of its debits, both in cents
// and never negative.
struct ChartPeriod {
    std::string label;
    std::int64_t credits = 0;
    std::int64_t debits = 0;
};

// The charts dialog: its periods, first period first. Whether values are
// written on the bars and whether the bars are coloured are chosen in the print
// dialog and kept with the other print options (PrintOptions::values and
// PrintOptions::colour).
struct ChartsPrint {
    std::vector<ChartPeriod> periods;
    std::string printTitle;
};

}  // namespace belvane
