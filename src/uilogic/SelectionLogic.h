#pragma once

#include "core/Types.h"
#include "uilogic/ViewGeometry.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The decisions of the register pane's input, kept apart from the widgets: what a
// click does to the selection, what each navigation key selects and scrolls,
// and what the wheel scrolls.
namespace belvane {

// The selected line (-1 = none) and the one selected before the last
// deselection (-1 = none yet), which Space brings back.
struct SelectionState {
    int selected = -1;
    int previous = -1;

    friend bool operator==(const SelectionState&, const SelectionState&) = default;
};

enum class ClickResult { None, Deselected, Selected };

// A click on line `hit` (-1 = below the oldest line): on the selected line it
// deselects, on another line it selects that one, below the lines it does nothing.
ClickResult ApplyClick(SelectionState& state, int hit);

// A selection left beyond the last line by a deletion falls back to the newest
// line (-1 for an empty register).
int ClampSelection(int selected, int count);

enum class NavKey {
    Enter,
    Space,
    Up,
    Down,
    PageUp,
    PageDown,
    CtrlHome,
    CtrlEnd,
    Home,
    End,
    Left,
    Right,
    CtrlLeft,
    CtrlRight,
};

enum class Axis { Vertical, Horizontal };

// What the pane looks like when a key arrives.
struct KeyContext {
    int count = 0;
    SelectionState selection;
    int vpos = 0;
    int rowHeight = 8;
    int areaHeight = 0;  // of the lines area
};

// What a key does, in this order: toggle the statement date of the selected
// line, click at y in the lines area (selecting or deselecting through
// ApplyClick), then one scroll request.
struct KeyOutcome {
    bool toggleStatement = false;
    std::optional<int> clickY;
    Axis axis = Axis::Vertical;
    ScrollRequest scroll = ScrollRequest::None;

    friend bool operator==(const KeyOutcome&, const KeyOutcome&) = default;
};

KeyOutcome DecideKey(NavKey key, const KeyContext& context);

// Lines per wheel notch from the desktop setting: -1 asks for a page per notch;
// any other value below 1 cannot be meant and gives the usual 3.
int WheelStep(int setting);

struct WheelOutcome {
    ScrollRequest request = ScrollRequest::None;
    int repeat = 0;

    friend bool operator==(const WheelOutcome&, const WheelOutcome&) = default;
};

// The vertical moves of one wheel event (delta in eighths of a degree, 120 a notch,
// positive away from the user).
WheelOutcome DecideWheel(int delta, int step);

}  // namespace belvane
