#include "uilogic/SelectionLogic.h"

#include <algorithm>
#include <cstdlib>

namespace belvane {

namespace {

constexpr int kWheelNotch = 120;
constexpr int kDefaultWheelStep = 3;
constexpr int kPageWheelStep = -1;
// Space clicks here when the line to bring back is out of sight: the top row.
constexpr int kTopRowY = 2;

KeyOutcome Scroll(Axis axis, ScrollRequest request) {
    KeyOutcome out;
    out.axis = axis;
    out.scroll = request;
    return out;
}

// Selects `target` by a click on its row, then scrolls when `needsScroll`.
KeyOutcome MoveTo(const RowLayout& layout, int target, bool needsScroll, ScrollRequest request) {
    KeyOutcome out;
    out.clickY = RowTop(layout, target);
    if (needsScroll)
        out.scroll = request;
    return out;
}

}  // namespace

ClickResult ApplyClick(SelectionState& state, int hit) {
    if (hit < 0)
        return ClickResult::None;
    if (hit == state.selected) {
        state.previous = state.selected;
        state.selected = -1;
        return ClickResult::Deselected;
    }
    state.selected = hit;
    return ClickResult::Selected;
}

int ClampSelection(int selected, int count) {
    return selected >= count ? count - 1 : selected;
}

KeyOutcome DecideKey(NavKey key, const KeyContext& context) {
    const RowLayout layout{context.count, context.vpos, context.rowHeight};
    const int selected = ClampSelection(context.selection.selected, context.count);
    const int fullRows = FullRows(context.areaHeight, context.rowHeight);
    const int lastFullRow = fullRows - 1;
    const int pageMove = fullRows * 3 / 4;
    const int newest = context.count - 1;

    switch (key) {
        case NavKey::Home:
            return Scroll(Axis::Horizontal, ScrollRequest::ToStart);
        case NavKey::End:
            return Scroll(Axis::Horizontal, ScrollRequest::ToEnd);
        case NavKey::Left:
            return Scroll(Axis::Horizontal, ScrollRequest::LineBack);
        case NavKey::Right:
            return Scroll(Axis::Horizontal, ScrollRequest::LineForward);
        case NavKey::CtrlLeft:
            return Scroll(Axis::Horizontal, ScrollRequest::PageBack);
        case NavKey::CtrlRight:
            return Scroll(Axis::Horizontal, ScrollRequest::PageForward);
        default:
            break;
    }

    if (selected < 0) {
        switch (key) {
            case NavKey::Space: {
                if (context.count <= 0)
                    return {};
                const int prev = context.selection.previous;
                const int target = (prev >= 0 && prev <= context.count - 2) ? prev : newest;
                const int row = RowOf(layout, target);
                KeyOutcome out;
                out.clickY = (row < 0 || row > lastFullRow) ? kTopRowY : RowTop(layout, target);
                return out;
            }
            case NavKey::Up:
                return Scroll(Axis::Vertical, ScrollRequest::LineBack);
            case NavKey::Down:
                return Scroll(Axis::Vertical, ScrollRequest::LineForward);
            case NavKey::PageUp:
                return Scroll(Axis::Vertical, ScrollRequest::PageBack);
            case NavKey::PageDown:
                return Scroll(Axis::Vertical, ScrollRequest::PageForward);
            case NavKey::CtrlHome:
                return Scroll(Axis::Vertical, ScrollRequest::ToStart);
            case NavKey::CtrlEnd:
                return Scroll(Axis::Vertical, ScrollRequest::ToEnd);
            default:
                return {};
        }
    }

    switch (key) {
        case NavKey::Enter: {
            KeyOutcome out;
            out.toggleStatement = true;
            return out;
        }
        case NavKey::Space: {
            KeyOutcome out;
            out.clickY = RowTop(layout, selected);
            return out;
        }
        case NavKey::Up: {
            if (selected == newest)
                return {};
            const int target = selected + 1;
            return MoveTo(layout, target, RowOf(layout, target) <= 0, ScrollRequest::LineBack);
        }
        case NavKey::Down: {
            if (selected == 0)
                return {};
            const int target = selected - 1;
            return MoveTo(layout, target, RowOf(layout, target) >= lastFullRow,
                          ScrollRequest::LineForward);
        }
        case NavKey::PageUp: {
            const int target = std::min(selected + pageMove, newest);
            if (target == selected)
                return {};
            return MoveTo(layout, target, RowOf(layout, target) <= 0, ScrollRequest::PageBack);
        }
        case NavKey::PageDown: {
            const int target = std::max(selected - pageMove, 0);
            if (target == selected)
                return {};
            return MoveTo(layout, target, RowOf(layout, target) >= lastFullRow,
                          ScrollRequest::PageForward);
        }
        case NavKey::CtrlHome: {
            KeyOutcome out = Scroll(Axis::Vertical, ScrollRequest::ToStart);
            if (selected != newest)
                out.clickY = RowTop(layout, newest);
            return out;
        }
        case NavKey::CtrlEnd: {
            KeyOutcome out = Scroll(Axis::Vertical, ScrollRequest::ToEnd);
            if (selected != 0)
                out.clickY = RowTop(layout, 0);
            return out;
        }
        default:
            return {};
    }
}

int WheelStep(int setting) {
    if (setting == kPageWheelStep)
        return kPageWheelStep;
    return setting < 1 ? kDefaultWheelStep : setting;
}

WheelOutcome DecideWheel(int delta, int step) {
    const int n = std::abs(delta) * step / kWheelNotch;
    if (n == -1)
        return {delta < 1 ? ScrollRequest::PageForward : ScrollRequest::PageBack, 1};
    if (n < 1)
        return {};
    return {delta < 1 ? ScrollRequest::LineForward : ScrollRequest::LineBack, n};
}

}  // namespace belvane
