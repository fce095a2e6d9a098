#include "uilogic/SelectionLogic.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>
#include <vector>

namespace belvane {

void PrintTo(const KeyOutcome& o, std::ostream* os) {
    *os << "{toggle " << o.toggleStatement << ", click " << (o.clickY ? *o.clickY : -999) << ", "
        << (o.axis == Axis::Vertical ? "vertical " : "horizontal ") << static_cast<int>(o.scroll)
        << "}";
}

namespace {

using R = ScrollRequest;

TEST(SelectionLogic, ClicksSelectDeselectOrIgnore) {
    const std::tuple<SelectionState, int, SelectionState, ClickResult> cases[] = {
        {{-1, -1}, 5, {5, -1}, ClickResult::Selected},
        {{5, -1}, 5, {-1, 5}, ClickResult::Deselected},  // the selected line is remembered
        {{5, 3}, 7, {7, 3}, ClickResult::Selected},      // moving keeps the previous one
        {{5, 3}, -1, {5, 3}, ClickResult::None},         // below the lines
    };
    for (auto [state, hit, after, result] : cases) {
        EXPECT_EQ(ApplyClick(state, hit), result) << hit;
        EXPECT_EQ(state, after) << hit;
    }
}

TEST(SelectionLogic, ClampFallsBackToTheNewestLine) {
    const std::tuple<int, int, int> cases[] = {{9, 10, 9}, {10, 10, 9}, {0, 0, -1}, {-1, 5, -1}};
    for (const auto& [selected, count, clamped] : cases)
        EXPECT_EQ(ClampSelection(selected, count), clamped) << selected << " of " << count;
}

KeyOutcome Click(int y, ScrollRequest scroll = R::None) {
    return {false, y, Axis::Vertical, scroll};
}
KeyOutcome Scroll(ScrollRequest scroll, Axis axis = Axis::Vertical) {
    return {false, std::nullopt, axis, scroll};
}
const KeyOutcome kNothing{};

// 50 lines, rows of 15 pixels, a lines area of 380 pixels: 25 full rows (the
// last full row is row 24), a page move of 18 lines. Line i's row top is
// (49 - i - vpos) * 15 + 2.
TEST(SelectionLogic, KeyboardTable) {
    const KeyOutcome toggle{true, std::nullopt, Axis::Vertical, R::None};
    const Axis H = Axis::Horizontal;
    // The key, the selected and previous lines, the vertical position, the outcome.
    const std::tuple<NavKey, int, int, int, KeyOutcome> cases[] = {
        {NavKey::Enter, 10, -1, 0, toggle},
        {NavKey::Enter, -1, -1, 0, kNothing},
        {NavKey::Space, 10, -1, 0, Click(39 * 15 + 2)},  // deselects
        {NavKey::Space, -1, -1, 0, Click(2)},            // no history: the newest
        {NavKey::Space, -1, 30, 0, Click(19 * 15 + 2)},  // brings back the previous
        {NavKey::Space, -1, 0, 25, Click(24 * 15 + 2)},  // ... even the oldest
        {NavKey::Space, -1, 49, 0, Click(2)},            // the newest itself, or beyond: the newest
        {NavKey::Space, -1, 24, 0, Click(2)},            // on the cut row or below: the top row
        {NavKey::Space, -1, -1, 10, Click(2)},           // newest above the area: top row
        {NavKey::Up, 49, -1, 0, kNothing},
        {NavKey::Up, 30, -1, 0, Click(18 * 15 + 2)},
        {NavKey::Up, 38, -1, 10, Click(2, R::LineBack)},  // onto the top row: scrolls
        {NavKey::Up, -1, -1, 5, Scroll(R::LineBack)},
        {NavKey::Down, 0, -1, 0, kNothing},
        {NavKey::Down, 30, -1, 0, Click(20 * 15 + 2)},
        {NavKey::Down, 26, -1, 0, Click(24 * 15 + 2, R::LineForward)},  // onto the last full row
        {NavKey::Down, -1, -1, 0, Scroll(R::LineForward)},
        {NavKey::PageUp, 10, -1, 0, Click(21 * 15 + 2)},
        {NavKey::PageUp, 40, -1, 0, Click(2, R::PageBack)},  // stops at the newest
        {NavKey::PageUp, 49, -1, 3, kNothing},
        {NavKey::PageUp, -1, -1, 0, Scroll(R::PageBack)},
        {NavKey::PageDown, 45, -1, 0, Click(22 * 15 + 2)},
        {NavKey::PageDown, 5, -1, 25, Click(24 * 15 + 2, R::PageForward)},  // stops at the oldest
        {NavKey::PageDown, 0, -1, 25, kNothing},
        {NavKey::PageDown, -1, -1, 0, Scroll(R::PageForward)},
        {NavKey::CtrlHome, 10, -1, 20, Click(-20 * 15 + 2, R::ToStart)},
        {NavKey::CtrlHome, 49, -1, 20, Scroll(R::ToStart)},
        {NavKey::CtrlHome, -1, -1, 20, Scroll(R::ToStart)},
        {NavKey::CtrlEnd, 10, -1, 0, Click(49 * 15 + 2, R::ToEnd)},
        {NavKey::CtrlEnd, 0, -1, 0, Scroll(R::ToEnd)},
        {NavKey::CtrlEnd, -1, -1, 0, Scroll(R::ToEnd)},
        {NavKey::Home, 10, -1, 0, Scroll(R::ToStart, H)},
        {NavKey::End, -1, -1, 0, Scroll(R::ToEnd, H)},
        {NavKey::Left, 10, -1, 0, Scroll(R::LineBack, H)},
        {NavKey::Right, -1, -1, 0, Scroll(R::LineForward, H)},
        {NavKey::CtrlLeft, 10, -1, 0, Scroll(R::PageBack, H)},
        {NavKey::CtrlRight, -1, -1, 0, Scroll(R::PageForward, H)},
    };
    int n = 0;
    for (const auto& [key, selected, previous, vpos, expected] : cases)
        EXPECT_EQ(DecideKey(key, {50, {selected, previous}, vpos, 15, 380}), expected)
            << "case " << n++;
}

TEST(SelectionLogic, EdgeCasesOfTheKeyboard) {
    // A selection left beyond the lines by a deletion not painted yet is the
    // newest.
    const KeyContext stale{50, {60, -1}, 0, 15, 380};
    EXPECT_EQ(DecideKey(NavKey::Up, stale), kNothing);
    EXPECT_EQ(DecideKey(NavKey::Down, stale), Click(1 * 15 + 2));
    const KeyContext empty{0, {-1, -1}, 0, 15, 380};
    EXPECT_EQ(DecideKey(NavKey::Space, empty), kNothing);
    EXPECT_EQ(DecideKey(NavKey::Enter, empty), kNothing);
    EXPECT_EQ(DecideKey(NavKey::Down, empty), Scroll(R::LineForward));
    const KeyContext oneRow{50, {10, -1}, 0, 15, 20};  // no page move
    EXPECT_EQ(DecideKey(NavKey::PageUp, oneRow), kNothing);
    EXPECT_EQ(DecideKey(NavKey::PageDown, oneRow), kNothing);
}

TEST(SelectionLogic, WheelMovesLinesOrPagesPerNotch) {
    // The desktop's setting: lines a notch, -1 for a page; anything else is 3.
    for (const auto& [setting, step] :
         std::vector<std::pair<int, int>>{{3, 3}, {1, 1}, {-1, -1}, {0, 3}, {-7, 3}})
        EXPECT_EQ(WheelStep(setting), step) << setting;
    const std::tuple<int, int, WheelOutcome> cases[] = {
        {120, 3, {R::LineBack, 3}},
        {-120, 3, {R::LineForward, 3}},
        {240, 3, {R::LineBack, 6}},
        {40, 3, {R::LineBack, 1}},  // a third of a notch
        {30, 3, {}},
        {120, -1, {R::PageBack, 1}},
        {-120, -1, {R::PageForward, 1}},
        {240, -1, {}},  // pages go by whole single notches
    };
    for (const auto& [delta, step, expected] : cases)
        EXPECT_EQ(DecideWheel(delta, step), expected) << delta << " by " << step;
}

}  // namespace
}  // namespace belvane
