#pragma once

#include "core/Types.h"

#include <string>
#include <string_view>

namespace belvane {

class CBelvaneDoc;
struct ChartFilter;
struct PeriodTotal;

// A text of the document's string table, or the built-in one when that table
// lacks it.
std::string ReportText(const CBelvaneDoc& doc, int id);

// The window title and the print title of the lines behind a total.
struct MatchTitles {
    std::string window;
    std::string print;
};

// "Lignes de la rubrique [c]" (and " et de la sous-rubrique [s]"); printed
// "rubrique [c]" (and ", sous-rubrique [s]") and the period of the totals
// (" du d1 au d2"), a side left open taking the date of the register's first
// or last line. An empty subcategory adds nothing.
MatchTitles CategoryMatchTitles(const CBelvaneDoc& doc, std::string_view category,
                                std::string_view subcategory, DayDate start, DayDate end);

// "Lignes positives (négatives) du d1 au d2" of a bar, followed by the filter
// (", [category]" and "[subcategory]" for the texts given): window and print title.
std::string BarMatchTitle(const CBelvaneDoc& doc, const PeriodTotal& period, bool credits,
                          const ChartFilter& filter);

// "totaux par rubriques" and the range: " à partir du", " du … au", " jusqu'au"
// (`end` kOpenEndDate stands for no end).
std::string TotalsPrintTitle(const CBelvaneDoc& doc, DayDate start, DayDate end);

// "Graphiques du d1 au d2" followed by the filter.
std::string ChartPrintTitle(const CBelvaneDoc& doc, DayDate from, DayDate to,
                            const ChartFilter& filter);

}  // namespace belvane
