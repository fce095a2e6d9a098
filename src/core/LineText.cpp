#include "core/LineText.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "core/Text.h"

#include <algorithm>
#include <array>

namespace belvane {

namespace {

// The width of `column`: the register's for a text column (or the longest text
// it takes, `fullWidths`), else the fixed width of a date or an amount.
int ColumnWidth(const CBelvaneDoc& doc, std::uint8_t column, bool fullWidths) {
    const int wi = WidthIndexOf(column);
    if (wi < 0)
        return IsDateColumn(column) ? kDateColumnWidth : kAmountColumnWidth;
    return std::max(0, fullWidths ? CRegistre::kDefaultWidths[wi] : doc.GetWidths()[wi]);
}

}  // namespace

std::string FormatLine(const CBelvaneDoc& doc, int index) {
    std::string out;
    FormatLine(doc, out, index);
    return out;
}

void FormatLine(const CBelvaneDoc& doc, std::string& out, int index) {
    // Made for every row drawn: the columns are put together on the stack.
    std::array<RowColumn, kColumnCount> columns;
    std::size_t count = 0;
    for (const std::uint8_t column : doc.GetColumns())
        columns[count++] = {column, ColumnWidth(doc, column, false)};
    FormatRow(doc, out, index, std::span(columns.data(), count));
}

std::vector<RowColumn> RowColumns(const CBelvaneDoc& doc, bool fullWidths) {
    std::vector<RowColumn> columns;
    columns.reserve(doc.GetColumns().size());
    for (const std::uint8_t column : doc.GetColumns())
        columns.push_back({column, ColumnWidth(doc, column, fullWidths)});
    return columns;
}

void FormatRow(const CBelvaneDoc& doc, std::string& out, int index,
               std::span<const RowColumn> columns) {
    out.assign(1, ' ');
    for (const RowColumn& c : columns) {
        AppendCell(doc, out, index, c);
        out.append("  ");
    }
}

void AppendCell(const CBelvaneDoc& doc, std::string& out, int index, const RowColumn& c) {
    const CLigne& line = doc.GetLine(index);
    const auto w = static_cast<std::size_t>(std::max(0, c.width));
    switch (c.id) {
        case kColDateEmission:
            text::AppendField(out, doc.Format().FormatDate(line.m_dateEmission), w, w, false);
            break;
        case kColDateReleve:
            text::AppendField(out, doc.Format().FormatDate(line.m_dateReleve), w, w, false);
            break;
        case kColDateValidite:
            text::AppendField(out, doc.Format().FormatDate(line.m_dateValidite), w, w, false);
            break;
        case kColMontant:
        case kColCredit:
        case kColDebit: {
            const bool shown = c.id == kColMontant || (c.id == kColCredit) == line.IsCredit();
            const std::string amount =
                shown ? doc.Format().FormatAmount(line.m_montant, true, c.width) : std::string();
            text::AppendField(out, amount, w, w, true);
            break;
        }
        default:
            text::AppendField(out, TextOf(line, c.id), w, w, true);
            break;
    }
}

std::string FormatTitles(const CBelvaneDoc& doc, std::span<const RowColumn> columns) {
    std::string out(1, ' ');
    for (const RowColumn& c : columns) {
        const auto w = static_cast<std::size_t>(std::max(0, c.width));
        text::AppendField(out, doc.Strings().Get(ids::kColumnTitleFirst + c.id), w, w,
                          !IsDateColumn(c.id));
        out.append("  ");
    }
    return out;
}

std::string FormatHeader(const CBelvaneDoc& doc) {
    return FormatTitles(doc, RowColumns(doc));
}

int LineWidth(const CBelvaneDoc& doc) {
    return RowLength(RowColumns(doc));
}

}  // namespace belvane
