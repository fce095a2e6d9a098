#pragma once

#include "core/Types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// The total of one category over a range of issue dates, and of each of its
// subcategories in the category's list order.
struct CategoryTotal {
    std::string name;
    Sum total = 0;
    std::vector<std::string> subNames;
    std::vector<Sum> subTotals;
};

// Totals of every category, in the category list order, over the issue dates
// `start` to `end` (both included; `start` 0 for no start, `end` kOpenEndDate
// for no end). Without a start each total begins at its record's initial
// amount. A line counts for the category whose name equals its own exactly
// (letter case too), whatever its subcategory, and for the subcategory of that
// category whose name equals its own. One pass over the lines.
std::vector<CategoryTotal> ComputeCategoryTotals(const CBelvaneDoc& doc, DayDate start,
                                                 DayDate end);

// Indices, ascending, of the lines behind a total: the category named exactly
// `category`, the subcategory named exactly `subcategory` (any when it is
// empty), issue dates from `start` to `end` (both included).
std::vector<std::uint32_t> MatchCategoryLines(const CBelvaneDoc& doc, std::string_view category,
                                              std::string_view subcategory, DayDate start,
                                              DayDate end);

}  // namespace belvane
