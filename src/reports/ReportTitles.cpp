#include "reports/ReportTitles.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "reports/ChartPeriods.h"

namespace belvane {

namespace {

std::string Fill(const CBelvaneDoc& doc, int id, std::initializer_list<std::string_view> args) {
    return FillPlaceholders(ReportText(doc, id), args);
}

std::string FilterSuffix(const ChartFilter& filter) {
    std::string out;
    if (!filter.category.empty())
        out += ", [" + filter.category + "]";
    if (!filter.subcategory.empty())
        out += "[" + filter.subcategory + "]";
    return out;
}

// " à partir du", " du … au", " jusqu'au" or nothing (`end` kOpenEndDate
// stands for no end).
std::string RangeText(const CBelvaneDoc& doc, DayDate start, DayDate end) {
    const bool hasEnd = end != kOpenEndDate;
    if (start != 0 && !hasEnd)
        return Fill(doc, ids::kPeriodFromOnly, {doc.Format().FormatDate(start)});
    if (start != 0)
        return Fill(doc, ids::kPeriodFromTo,
                    {doc.Format().FormatDate(start), doc.Format().FormatDate(end)});
    if (hasEnd)
        return Fill(doc, ids::kPeriodToOnly, {doc.Format().FormatDate(end)});
    return {};
}

}  // namespace

std::string ReportText(const CBelvaneDoc& doc, int id) {
    const std::string& own = doc.Strings().Get(id);
    return own.empty() ? CStringTable::Builtin().Get(id) : own;
}

MatchTitles CategoryMatchTitles(const CBelvaneDoc& doc, std::string_view category,
                                std::string_view subcategory, DayDate start, DayDate end) {
    MatchTitles t{Fill(doc, ids::kTitleCategoryLines, {category}),
                  Fill(doc, ids::kPrintTitleCategory, {category})};
    if (!subcategory.empty()) {
        t.window += Fill(doc, ids::kTitleSubcategoryLines, {subcategory});
        t.print += Fill(doc, ids::kPrintTitleSubcategory, {subcategory});
    }
    if (const int count = doc.GetLineCount(); count > 0) {
        if (start == 0)
            start = doc.GetLine(0).GetDateEmission();
        if (end == kOpenEndDate)
            end = doc.GetLine(count - 1).GetDateEmission();
    }
    t.print += RangeText(doc, start, end);
    return t;
}

std::string BarMatchTitle(const CBelvaneDoc& doc, const PeriodTotal& period, bool credits,
                          const ChartFilter& filter) {
    return Fill(doc, credits ? ids::kTitleCreditLines : ids::kTitleDebitLines,
                {doc.Format().FormatDate(period.start), doc.Format().FormatDate(period.end)}) +
           FilterSuffix(filter);
}

std::string TotalsPrintTitle(const CBelvaneDoc& doc, DayDate start, DayDate end) {
    return ReportText(doc, ids::kPrintTitleTotals) + RangeText(doc, start, end);
}

std::string ChartPrintTitle(const CBelvaneDoc& doc, DayDate from, DayDate to,
                            const ChartFilter& filter) {
    return Fill(doc, ids::kPrintTitleCharts,
                {doc.Format().FormatDate(from), doc.Format().FormatDate(to)}) +
           FilterSuffix(filter);
}

}  // namespace belvane
