#include "reports/PrintPrepare.h"

#include "core/CBelvaneDoc.h"

#include <algorithm>
#include <utility>

namespace belvane {

int PrintDialogFlags(PrintKind kind, bool hasCategories, bool hasLines) {
    switch (kind) {
        case PrintKind::RegisterLines:
            return (hasCategories ? 0 : kDisableSorted) | (hasLines ? 0 : kDisableRange);
        case PrintKind::CategoryTotals:
            return kHideRange | kHideScreenWidths | kHideSorted | kHideRangeGroup;
        case PrintKind::MatchingLines:
            return kHideRange | kHideSorted;
        case PrintKind::Charts:
            return kHideRange | kHideScreenWidths | kHideSorted | kShowChartOptions;
    }
    return 0;
}

void PreparePrintOptions(const CBelvaneDoc& doc, PrintKind kind, PrintOptions& options) {
    const int count = doc.GetLineCount();
    options.from = count > 0 ? doc.GetLine(0).GetDateEmission() : 0;
    options.to = count > 0 ? doc.GetLine(count - 1).GetDateEmission() : 0;
    const bool hasCategories = doc.GetRubriqueCount() > 0;
    options.dialogFlags = PrintDialogFlags(kind, hasCategories, count > 0);
    if (kind == PrintKind::RegisterLines && !hasCategories)
        options.sorted = false;
}

LineRange SelectPrintRange(const CBelvaneDoc& doc, bool fromTo, PrintOptions& options) {
    const CLigneStore& lines = doc.Lines();
    LineRange range{0, static_cast<int>(lines.size()) - 1};
    if (!fromTo)
        return range;
    if (options.from > options.to)
        std::swap(options.from, options.to);
    const auto first = std::lower_bound(
        lines.begin(), lines.end(), options.from,
        [](const CLigne& line, DayDate date) { return line.GetDateEmission() < date; });
    const auto end = std::upper_bound(
        lines.begin(), lines.end(), options.to,
        [](DayDate date, const CLigne& line) { return date < line.GetDateEmission(); });
    range.first = static_cast<int>(first - lines.begin());
    range.last = static_cast<int>(end - lines.begin()) - 1;
    return range;
}

}  // namespace belvane
