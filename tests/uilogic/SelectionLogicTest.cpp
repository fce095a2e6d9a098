#include "uilogic/SelectionLogic.h"

#include <gtest/gtest.h>

#include <ostream>

namespace belvane {

void PrintTo(const KeyOutcome& o, std::ostream* os) {
    *os << "{toggle " << o.toggleStatement << ", click ";
    if (o.clickY)
        *os << *o.clickY;
    else
        *os << "none";
    *os << ", " << (o.axis == Axis::Vertical ? "vertical " : "horizontal ")
        << static_cast<int>(o.scroll) << "}";
}
void PrintTo(const SelectionState& s, std::ostream* os) {
    *os << "{selected " << s.selected << ", previous " << s.previous << "}";
}

namespace {

// --- clicks -------------------------------------------------------------------

struct ClickCase {
    const char* name;
    SelectionState before;
    int hit;
    SelectionState after;
    ClickResult result;
};

class ClickTest : public ::testing::TestWithParam<ClickCase> {};

TEST_P(ClickTest, SelectsDeselectsOrIgnores) {
    const ClickCase& c = GetParam();
    SelectionState state = c.before;
    EXPECT_EQ(ApplyClick(state, c.hit), c.result);
    EXPECT_EQ(state, c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClickTest,
    ::testing::Values(
        ClickCase{"SelectsFromNone", {-1, -1}, 5, {5, -1}, ClickResult::Selected},
        ClickCase{
            "SelectedLineDeselectsAndIsRemembered", {5, -1}, 5, {-1, 5}, ClickResult::Deselected},
        ClickCase{"MovingKeepsThePrevious", {5, 3}, 7, {7, 3}, ClickResult::Selected},
        ClickCase{"BelowTheLinesKeepsTheSelection", {5, 3}, -1, {5, 3}, ClickResult::None},
        ClickCase{"BelowTheLinesWithoutSelection", {-1, 3}, -1, {-1, 3}, ClickResult::None},
        ClickCase{"SelectsAfterDeselection", {-1, 5}, 2, {2, 5}, ClickResult::Selected}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionLogic, ClampFallsBackToTheNewestLine) {
    EXPECT_EQ(ClampSelection(5, 10), 5);
    EXPECT_EQ(ClampSelection(9, 10), 9);
    EXPECT_EQ(ClampSelection(10, 10), 9);
    EXPECT_EQ(ClampSelection(12, 10), 9);
    EXPECT_EQ(ClampSelection(0, 0), -1);
    EXPECT_EQ(ClampSelection(-1, 0), -1);
    EXPECT_EQ(ClampSelection(-1, 5), -1);
}

// --- keyboard -------------------------------------------------------------------

struct KeyCase {
    const char* name;
    NavKey key;
    int selected;
    int previous;
    int vpos;
    KeyOutcome expected;
};

// 50 lines, rows of 15 pixels, a lines area of 380 pixels: 25 full rows (the
// last full row is row 24), a page move of 18 lines. Line i's row top is
// (49 - i - vpos) * 15 + 2.
KeyContext Context(const KeyCase& c) {
    return KeyContext{50, {c.selected, c.previous}, c.vpos, 15, 380};
}

KeyOutcome Click(int y, ScrollRequest scroll = ScrollRequest::None) {
    KeyOutcome o;
    o.clickY = y;
    o.scroll = scroll;
    return o;
}
KeyOutcome Vertical(ScrollRequest scroll) {
    KeyOutcome o;
    o.scroll = scroll;
    return o;
}
KeyOutcome Horizontal(ScrollRequest scroll) {
    KeyOutcome o;
    o.axis = Axis::Horizontal;
    o.scroll = scroll;
    return o;
}
KeyOutcome Toggle() {
    KeyOutcome o;
    o.toggleStatement = true;
    return o;
}
const KeyOutcome kNothing{};

class KeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyTest, FollowsTheKeyboardTable) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(DecideKey(c.key, Context(c)), c.expected);
}

using R = ScrollRequest;

INSTANTIATE_TEST_SUITE_P(
    EnterAndSpace, KeyTest,
    ::testing::Values(
        KeyCase{"EnterTogglesTheSelectedLine", NavKey::Enter, 10, -1, 0, Toggle()},
        KeyCase{"EnterWithoutSelection", NavKey::Enter, -1, -1, 0, kNothing},
        KeyCase{"SpaceDeselects", NavKey::Space, 10, -1, 0, Click(39 * 15 + 2)},
        KeyCase{"SpaceWithNoHistorySelectsNewest", NavKey::Space, -1, -1, 0, Click(2)},
        KeyCase{"SpaceBringsBackThePrevious", NavKey::Space, -1, 30, 0, Click(19 * 15 + 2)},
        KeyCase{"SpaceBringsBackOldest", NavKey::Space, -1, 0, 25, Click(24 * 15 + 2)},
        KeyCase{"SpacePreviousIsNewestTakesNewest", NavKey::Space, -1, 49, 0, Click(2)},
        KeyCase{"SpacePreviousBeyondCountTakesNewest", NavKey::Space, -1, 70, 0, Click(2)},
        KeyCase{"SpacePreviousBelowTheAreaClicksTopRow", NavKey::Space, -1, 10, 0, Click(2)},
        KeyCase{"SpacePreviousOnCutRowClicksTopRow", NavKey::Space, -1, 24, 0, Click(2)},
        KeyCase{"SpaceNewestAboveTheAreaClicksTopRow", NavKey::Space, -1, -1, 10, Click(2)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    UpAndDown, KeyTest,
    ::testing::Values(
        KeyCase{"UpOnNewestDoesNothing", NavKey::Up, 49, -1, 0, kNothing},
        KeyCase{"UpInsideTheArea", NavKey::Up, 30, -1, 0, Click(18 * 15 + 2)},
        KeyCase{"UpOntoTheTopRowScrolls", NavKey::Up, 38, -1, 10, Click(2, R::LineBack)},
        KeyCase{"UpAboveTheAreaScrolls", NavKey::Up, 45, -1, 10, Click(-7 * 15 + 2, R::LineBack)},
        KeyCase{"UpWithoutSelectionScrolls", NavKey::Up, -1, -1, 5, Vertical(R::LineBack)},
        KeyCase{"DownOnOldestDoesNothing", NavKey::Down, 0, -1, 0, kNothing},
        KeyCase{"DownInsideTheArea", NavKey::Down, 30, -1, 0, Click(20 * 15 + 2)},
        KeyCase{"DownOntoLastFullRowScrolls", NavKey::Down, 26, -1, 0,
                Click(24 * 15 + 2, R::LineForward)},
        KeyCase{"DownBelowTheAreaScrolls", NavKey::Down, 10, -1, 0,
                Click(40 * 15 + 2, R::LineForward)},
        KeyCase{"DownWithoutSelectionScrolls", NavKey::Down, -1, -1, 0, Vertical(R::LineForward)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Pages, KeyTest,
    ::testing::Values(
        KeyCase{"PageUpInsideTheArea", NavKey::PageUp, 10, -1, 0, Click(21 * 15 + 2)},
        KeyCase{"PageUpStopsAtNewestAndScrolls", NavKey::PageUp, 40, -1, 0, Click(2, R::PageBack)},
        KeyCase{"PageUpOnNewestDoesNothing", NavKey::PageUp, 49, -1, 3, kNothing},
        KeyCase{"PageUpWithoutSelection", NavKey::PageUp, -1, -1, 0, Vertical(R::PageBack)},
        KeyCase{"PageDownBelowTheAreaScrolls", NavKey::PageDown, 40, -1, 0,
                Click(27 * 15 + 2, R::PageForward)},
        KeyCase{"PageDownInsideTheArea", NavKey::PageDown, 45, -1, 0, Click(22 * 15 + 2)},
        KeyCase{"PageDownStopsAtOldest", NavKey::PageDown, 5, -1, 25,
                Click(24 * 15 + 2, R::PageForward)},
        KeyCase{"PageDownOnOldestDoesNothing", NavKey::PageDown, 0, -1, 25, kNothing},
        KeyCase{"PageDownWithoutSelection", NavKey::PageDown, -1, -1, 0, Vertical(R::PageForward)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Ends, KeyTest,
    ::testing::Values(
        KeyCase{"CtrlHomeSelectsNewest", NavKey::CtrlHome, 10, -1, 20,
                Click(-20 * 15 + 2, R::ToStart)},
        KeyCase{"CtrlHomeOnNewestOnlyScrolls", NavKey::CtrlHome, 49, -1, 20, Vertical(R::ToStart)},
        KeyCase{"CtrlHomeWithoutSelection", NavKey::CtrlHome, -1, -1, 20, Vertical(R::ToStart)},
        KeyCase{"CtrlEndSelectsOldest", NavKey::CtrlEnd, 10, -1, 0, Click(49 * 15 + 2, R::ToEnd)},
        KeyCase{"CtrlEndOnOldestOnlyScrolls", NavKey::CtrlEnd, 0, -1, 0, Vertical(R::ToEnd)},
        KeyCase{"CtrlEndWithoutSelection", NavKey::CtrlEnd, -1, -1, 0, Vertical(R::ToEnd)}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    HorizontalKeys, KeyTest,
    ::testing::Values(KeyCase{"Home", NavKey::Home, 10, -1, 0, Horizontal(R::ToStart)},
                      KeyCase{"End", NavKey::End, -1, -1, 0, Horizontal(R::ToEnd)},
                      KeyCase{"Left", NavKey::Left, 10, -1, 0, Horizontal(R::LineBack)},
                      KeyCase{"Right", NavKey::Right, -1, -1, 0, Horizontal(R::LineForward)},
                      KeyCase{"CtrlLeft", NavKey::CtrlLeft, 10, -1, 0, Horizontal(R::PageBack)},
                      KeyCase{"CtrlRight", NavKey::CtrlRight, -1, -1, 0,
                              Horizontal(R::PageForward)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SelectionLogic, StaleSelectionCountsAsTheNewestLine) {
    // Left beyond the lines by a deletion that was not painted yet.
    const KeyContext context{50, {60, -1}, 0, 15, 380};
    EXPECT_EQ(DecideKey(NavKey::Up, context), kNothing);
    EXPECT_EQ(DecideKey(NavKey::Down, context), Click(1 * 15 + 2));
}

TEST(SelectionLogic, EmptyRegister) {
    const KeyContext context{0, {-1, -1}, 0, 15, 380};
    EXPECT_EQ(DecideKey(NavKey::Space, context), kNothing);
    EXPECT_EQ(DecideKey(NavKey::Enter, context), kNothing);
    EXPECT_EQ(DecideKey(NavKey::Down, context), Vertical(R::LineForward));
}

TEST(SelectionLogic, OneRowAreaHasNoPageMove) {
    const KeyContext context{50, {10, -1}, 0, 15, 20};
    EXPECT_EQ(DecideKey(NavKey::PageUp, context), kNothing);
    EXPECT_EQ(DecideKey(NavKey::PageDown, context), kNothing);
}

// --- wheel -----------------------------------------------------------------------

TEST(SelectionLogic, WheelStepFromTheDesktopSetting) {
    EXPECT_EQ(WheelStep(3), 3);
    EXPECT_EQ(WheelStep(10), 10);
    EXPECT_EQ(WheelStep(1), 1);
    EXPECT_EQ(WheelStep(-1), -1);
    EXPECT_EQ(WheelStep(0), 3);
    EXPECT_EQ(WheelStep(-7), 3);
}

struct WheelCase {
    const char* name;
    int delta;
    int step;
    WheelOutcome expected;
};

class WheelTest : public ::testing::TestWithParam<WheelCase> {};

TEST_P(WheelTest, LinesOrPagesPerNotch) {
    const WheelCase& c = GetParam();
    const WheelOutcome got = DecideWheel(c.delta, c.step);
    EXPECT_EQ(got.request, c.expected.request);
    EXPECT_EQ(got.repeat, c.expected.repeat);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WheelTest,
    ::testing::Values(WheelCase{"NotchAwayScrollsUp", 120, 3, {R::LineBack, 3}},
                      WheelCase{"NotchTowardsScrollsDown", -120, 3, {R::LineForward, 3}},
                      WheelCase{"TwoNotches", 240, 3, {R::LineBack, 6}},
                      WheelCase{"ThirdOfANotch", 40, 3, {R::LineBack, 1}},
                      WheelCase{"TooLittle", 30, 3, {}}, WheelCase{"NoDelta", 0, 3, {}},
                      WheelCase{"OneLineStep", -120, 1, {R::LineForward, 1}},
                      WheelCase{"PageUp", 120, -1, {R::PageBack, 1}},
                      WheelCase{"PageDown", -120, -1, {R::PageForward, 1}},
                      WheelCase{"TwoNotchesOfPagesDoNothing", 240, -1, {}},
                      WheelCase{"HalfNotchOfPagesDoesNothing", 60, -1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace belvane
