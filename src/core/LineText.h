#pragma once

#include "core/ColumnWidths.h"

#include <span>
#include <string>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// The fixed-width text of the register's lines and column titles, as the panes
// draw them and the printouts print them.

// Line `index` in the shown columns with the document's widths.
std::string FormatLine(const CBelvaneDoc& doc, int index);
void FormatLine(const CBelvaneDoc& doc, std::string& out, int index);
// The column titles with the document's widths.
std::string FormatHeader(const CBelvaneDoc& doc);
// Characters of every text FormatLine gives with the document's widths.
int LineWidth(const CBelvaneDoc& doc);
// The shown columns with their widths: the document's, or the longest text
// each text column takes (`fullWidths`).
std::vector<RowColumn> RowColumns(const CBelvaneDoc& doc, bool fullWidths = false);
// Line `index` in `columns`, each value cut or padded to its column's width.
void FormatRow(const CBelvaneDoc& doc, std::string& out, int index,
               std::span<const RowColumn> columns);
// One cell of that text, appended to `out`.
void AppendCell(const CBelvaneDoc& doc, std::string& out, int index, const RowColumn& column);
std::string FormatTitles(const CBelvaneDoc& doc, std::span<const RowColumn> columns);

}  // namespace belvane
