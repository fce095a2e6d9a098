#include "uilogic/ViewGeometry.h"

#include <algorithm>

namespace belvane {

namespace {

// Rows start 2 pixels below the top of the lines area.
constexpr int kTopMargin = 2;
// The title band is one row plus this many pixels.
constexpr int kBandExtra = 5;

// A font that measured nothing must not divide by zero.
int Unit(int size) {
    return std::max(size, 1);
}

int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

int TitleBandHeight(int rowHeight) {
    return rowHeight + kBandExtra;
}

int CapPosition(int pos, int max, int page) {
    return std::clamp(pos, 0, std::max(max - page, 0));
}

ScrollAxis HorizontalAxis(int lineWidth, int clientWidth, int charWidth, int pos) {
    ScrollAxis axis;
    axis.max = std::max(lineWidth, 0);
    axis.page = std::max(clientWidth / Unit(charWidth), 0);
    axis.pos = CapPosition(pos, axis.max, axis.page);
    return axis;
}

ScrollAxis VerticalAxis(int lineCount, int clientHeight, int rowHeight, int pos) {
    ScrollAxis axis;
    axis.max = std::max(lineCount - 1, 0);
    axis.page = std::max((clientHeight - TitleBandHeight(rowHeight)) / Unit(rowHeight), 0);
    axis.pos = CapPosition(pos, axis.max, axis.page);
    return axis;
}

int LastPagePosition(const ScrollAxis& axis) {
    return std::max(axis.max - axis.page + 1, 0);
}

int RequestedPosition(const ScrollAxis& axis, ScrollRequest request) {
    const int last = LastPagePosition(axis);
    const int step = axis.page * 3 / 4;
    switch (request) {
        case ScrollRequest::None:
            return axis.pos;
        case ScrollRequest::LineBack:
            return std::max(axis.pos - 1, 0);
        case ScrollRequest::LineForward:
            return axis.pos <= axis.max - axis.page ? axis.pos + 1 : axis.pos;
        case ScrollRequest::PageBack:
            return std::max(axis.pos - step, 0);
        case ScrollRequest::PageForward:
            return std::min(axis.pos + step, last);
        case ScrollRequest::ToStart:
            return 0;
        case ScrollRequest::ToEnd:
            return last;
    }
    return axis.pos;
}

int RowOf(const RowLayout& layout, int index) {
    return layout.count - 1 - index - layout.vpos;
}

int RowTop(const RowLayout& layout, int index) {
    return RowOf(layout, index) * Unit(layout.rowHeight) + kTopMargin;
}

int HitLine(const RowLayout& layout, int y) {
    // Truncating division, as the rows were always hit: the 2 pixels above the
    // first row still belong to it.
    const int index = layout.count - 1 - layout.vpos - (y - kTopMargin) / Unit(layout.rowHeight);
    return (index >= 0 && index < layout.count) ? index : -1;
}

LineSpan LinesInBand(const RowLayout& layout, int top, int bottom) {
    const int h = Unit(layout.rowHeight);
    // Row k covers [k*h + 2, (k+1)*h + 2).
    const int firstRow = std::max(FloorDiv(top - kTopMargin, h), 0);
    const int lastRow = FloorDiv(bottom - 1 - kTopMargin, h);
    if (bottom <= top || lastRow < firstRow || layout.count <= 0)
        return {};
    const int newest = layout.count - 1 - layout.vpos - firstRow;
    const int oldest = std::max(layout.count - 1 - layout.vpos - lastRow, 0);
    if (newest < 0)
        return {};
    return {newest, oldest};
}

int FullRows(int areaHeight, int rowHeight) {
    return std::max(areaHeight / Unit(rowHeight), 0);
}

int ShowPosition(const RowLayout& layout, int index, int areaHeight) {
    const int h = Unit(layout.rowHeight);
    int pos = layout.vpos;
    if (RowOf(layout, index) < 0)
        pos = layout.count - 1 - index;
    else if (RowTop(layout, index) + h > areaHeight)
        pos = layout.count - FullRows(areaHeight, h) - index;
    return std::max(pos, 0);
}

}  // namespace belvane
