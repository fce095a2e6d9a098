#pragma once

// Arithmetic of the register pane, kept apart from the widgets so that it can be
// tested on its own: scroll ranges and requests, where a line's row is, which
// line a point hits. Rows show the newest line at the top.
namespace belvane {

// A scroll request on one axis. "Back" moves towards position 0 (up, or left),
// "Forward" away from it (down, or right).
enum class ScrollRequest { None, LineBack, LineForward, PageBack, PageForward, ToStart, ToEnd };

// One scroll bar in the units of its axis (characters or rows): the range is
// 0..max and `page` units fit in the window.
struct ScrollAxis {
    int max = 0;
    int page = 0;
    int pos = 0;

    friend bool operator==(const ScrollAxis&, const ScrollAxis&) = default;
};

// Height of the title band above the lines.
int TitleBandHeight(int rowHeight);

// Horizontal axis: range 0..line width, page = client width / character width;
// the position is kept but capped (see CapPosition).
ScrollAxis HorizontalAxis(int lineWidth, int clientWidth, int charWidth, int pos);
// Vertical axis: range 0..last line index (0 when empty), page = rows that fit
// under the title band; the position is kept but capped.
ScrollAxis VerticalAxis(int lineCount, int clientHeight, int rowHeight, int pos);

// The position kept when the range changes: at most max - page, never below 0.
int CapPosition(int pos, int max, int page);
// The furthest position a request can reach: the start of the last page.
int LastPagePosition(const ScrollAxis& axis);
// Where a request moves the position to (thumb tracking is not a request: it
// sets the position itself).
int RequestedPosition(const ScrollAxis& axis, ScrollRequest request);

// Rows of the lines area for a register of `count` lines seen from vertical
// position `vpos` (rows scrolled off the top).
struct RowLayout {
    int count = 0;
    int vpos = 0;
    int rowHeight = 8;
};

// Row number of a line counted from the top of the lines area; negative above it.
int RowOf(const RowLayout& layout, int index);
// Top y of a line's row in the lines area.
int RowTop(const RowLayout& layout, int index);
// The line under client y, or -1 when the point is below the oldest line.
int HitLine(const RowLayout& layout, int y);

// Lines `newest` down to `oldest`; empty when newest < oldest.
struct LineSpan {
    int newest = 0;
    int oldest = 1;

    bool Empty() const { return newest < oldest; }
    int Size() const { return Empty() ? 0 : newest - oldest + 1; }
    friend bool operator==(const LineSpan&, const LineSpan&) = default;
};

// The lines whose rows meet the band of y from `top` to `bottom` (exclusive),
// from the top visible row downwards: the only ones a paint has to format.
LineSpan LinesInBand(const RowLayout& layout, int top, int bottom);

// Whole rows in an area of that height.
int FullRows(int areaHeight, int rowHeight);

// Vertical position that shows a line: it becomes the top row when it is above
// the area, the bottom full row when its row ends below the area; otherwise the
// position stays. Never below 0.
int ShowPosition(const RowLayout& layout, int index, int areaHeight);

}  // namespace belvane
