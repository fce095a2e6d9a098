#include "reports/PrintColumns.h"

#include "core/CBelvaneDoc.h"
#include "core/LineText.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "core/Text.h"

#include <algorithm>
#include <cstdlib>

namespace belvane {

std::vector<RowColumn> PrintRowColumns(const CBelvaneDoc& doc, std::span<const std::int32_t> lines,
                                       bool screenWidths) {
    std::vector<RowColumn> columns = RowColumns(doc, !screenWidths);
    if (screenWidths)
        return columns;
    for (RowColumn& c : columns) {
        int widest = 0;
        if (IsDateColumn(c.id)) {
            widest = kDateColumnWidth;
        } else if (IsAmountColumn(c.id)) {
            // Every amount carries its sign: the largest magnitude is the widest.
            std::int64_t largest = -1;
            for (const std::int32_t i : lines) {
                const Amount m = doc.GetLine(i).m_montant;
                if (c.id == kColMontant || (c.id == kColCredit) == (m >= 0))
                    largest = std::max<std::int64_t>(largest, std::llabs(m));
            }
            if (largest >= 0)
                widest = static_cast<int>(text::Length(
                    doc.Format().FormatAmount(static_cast<Amount>(-largest), true, 0)));
        } else {
            for (const std::int32_t i : lines)
                widest =
                    std::max(widest, static_cast<int>(text::Length(TextOf(doc.GetLine(i), c.id))));
            widest = std::min(widest, c.width);  // the full width: what a line may hold
        }
        const std::string& title = doc.Strings().Get(ids::kColumnTitleFirst + c.id);
        c.width = std::max(widest, static_cast<int>(text::Length(title)));
    }
    return columns;
}

int PrintRowChars(std::span<const RowColumn> columns) {
    return columns.empty() ? 1 : RowLength(columns) - 2;
}

std::size_t ColumnsThatFit(std::span<const RowColumn> columns, int pageChars) {
    std::size_t count = 0;
    while (count < columns.size() && PrintRowChars(columns.first(count + 1)) <= pageChars)
        ++count;
    return count;
}

int FittedFontSize(int size, int chars, int pageWidth, const std::function<int(int)>& charWidthAt) {
    auto fits = [&](int s) {
        return static_cast<std::int64_t>(chars) * charWidthAt(s) <= pageWidth;
    };
    if (size <= 1 || chars <= 0 || fits(size))
        return std::max(size, 1);
    // Widths grow about in proportion to the size: start near the answer.
    const std::int64_t wanted = static_cast<std::int64_t>(chars) * std::max(charWidthAt(size), 1);
    int s = static_cast<int>(
        std::min<std::int64_t>(size - 1, size * std::int64_t{pageWidth} / wanted + 1));
    while (s > 1 && !fits(s))
        --s;
    return std::max(s, 1);
}

}  // namespace belvane
