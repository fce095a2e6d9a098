#pragma once

#include "core/ColumnWidths.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// The columns of a lines print: the register's shown columns with the
// screen's widths (`screenWidths`), or each as wide as the longest of its
// title and of its values on the lines `lines` (text columns up to their
// full widths), so that no value is cut.
std::vector<RowColumn> PrintRowColumns(const CBelvaneDoc& doc, std::span<const std::int32_t> lines,
                                       bool screenWidths);

// Characters a row of `columns` needs on paper (the blanks after the last
// column need no room).
int PrintRowChars(std::span<const RowColumn> columns);

// How many of `columns`, from the left, fit in rows of `pageChars` characters:
// a column is printed whole or not at all.
std::size_t ColumnsThatFit(std::span<const RowColumn> columns, int pageChars);

// The largest font size up to `size` at which `chars` characters, each as
// wide as `charWidthAt(size)` says, fit in `pageWidth`; 1 at the least.
int FittedFontSize(int size, int chars, int pageWidth, const std::function<int(int)>& charWidthAt);

}  // namespace belvane
