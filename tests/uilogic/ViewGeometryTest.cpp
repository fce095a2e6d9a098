#include "uilogic/ViewGeometry.h"

#include <gtest/gtest.h>

#include <ostream>

namespace belvane {

void PrintTo(const ScrollAxis& a, std::ostream* os) {
    *os << "{max " << a.max << ", page " << a.page << ", pos " << a.pos << "}";
}
void PrintTo(const LineSpan& s, std::ostream* os) {
    *os << "{newest " << s.newest << ", oldest " << s.oldest << "}";
}

namespace {

// --- scroll ranges -----------------------------------------------------------

struct AxisCase {
    const char* name;
    int units;  // line width in characters, or line count
    int client;
    int unit;  // character width, or row height
    int pos;
    ScrollAxis expected;
};

class HorizontalAxisTest : public ::testing::TestWithParam<AxisCase> {};

TEST_P(HorizontalAxisTest, RangeIsTheLineWidthAndThePositionIsCapped) {
    const AxisCase& c = GetParam();
    EXPECT_EQ(HorizontalAxis(c.units, c.client, c.unit, c.pos), c.expected);
}

// 318 characters is the width of a new register's nine columns.
INSTANTIATE_TEST_SUITE_P(
    Cases, HorizontalAxisTest,
    ::testing::Values(AxisCase{"AtStart", 318, 800, 8, 0, {318, 100, 0}},
                      AxisCase{"PositionKept", 318, 800, 8, 218, {318, 100, 218}},
                      AxisCase{"CappedAtWidthLessPage", 318, 800, 8, 219, {318, 100, 218}},
                      AxisCase{"FarBeyondCapped", 318, 800, 8, 5000, {318, 100, 218}},
                      AxisCase{"PageRoundsDown", 318, 807, 8, 0, {318, 100, 0}},
                      AxisCase{"NarrowLineFitsWhole", 36, 800, 8, 5, {36, 100, 0}},
                      AxisCase{"ZeroWidthWindow", 318, 0, 8, 3, {318, 0, 3}},
                      AxisCase{"UnmeasuredFontDoesNotDivideByZero", 318, 800, 0, 0, {318, 800, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

class VerticalAxisTest : public ::testing::TestWithParam<AxisCase> {};

TEST_P(VerticalAxisTest, RangeIsTheLastIndexAndThePageExcludesTheTitleBand) {
    const AxisCase& c = GetParam();
    EXPECT_EQ(VerticalAxis(c.units, c.client, c.unit, c.pos), c.expected);
}

// Rows of 15 pixels under a band of 20: (400 - 20) / 15 = 25 rows.
INSTANTIATE_TEST_SUITE_P(
    Cases, VerticalAxisTest,
    ::testing::Values(AxisCase{"AtTop", 50, 400, 15, 0, {49, 25, 0}},
                      AxisCase{"PositionKept", 50, 400, 15, 24, {49, 25, 24}},
                      AxisCase{"CappedAtLastIndexLessPage", 50, 400, 15, 25, {49, 25, 24}},
                      AxisCase{"FewerLinesThanPage", 10, 400, 15, 4, {9, 25, 0}},
                      AxisCase{"OneLine", 1, 400, 15, 0, {0, 25, 0}},
                      AxisCase{"EmptyRegisterRangeIsZero", 0, 400, 15, 3, {0, 25, 0}},
                      AxisCase{"ShorterThanBandHasNoPage", 50, 10, 15, 5, {49, 0, 5}},
                      AxisCase{"NoHeightAtAll", 50, 0, 15, 0, {49, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewGeometry, TitleBandIsOneRowAndFivePixels) {
    EXPECT_EQ(TitleBandHeight(15), 20);
    EXPECT_EQ(TitleBandHeight(8), 13);
}

// --- scroll requests ----------------------------------------------------------

struct RequestCase {
    const char* name;
    ScrollAxis axis;
    ScrollRequest request;
    int expected;
};

class RequestTest : public ::testing::TestWithParam<RequestCase> {};

TEST_P(RequestTest, MovesAsTheScrollBarRulesSay) {
    const RequestCase& c = GetParam();
    EXPECT_EQ(RequestedPosition(c.axis, c.request), c.expected);
}

// Range 0..49, page 25: the last page starts at 25, a page move is 18.
constexpr ScrollAxis At(int pos) {
    return {49, 25, pos};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RequestTest,
    ::testing::Values(
        RequestCase{"NoneStays", At(7), ScrollRequest::None, 7},
        RequestCase{"LineBack", At(5), ScrollRequest::LineBack, 4},
        RequestCase{"LineBackStopsAtZero", At(0), ScrollRequest::LineBack, 0},
        RequestCase{"LineForward", At(5), ScrollRequest::LineForward, 6},
        RequestCase{"LineForwardFromMaxLessPage", At(24), ScrollRequest::LineForward, 25},
        RequestCase{"LineForwardStopsAtLastPage", At(25), ScrollRequest::LineForward, 25},
        RequestCase{"PageForwardIsThreeQuarters", At(0), ScrollRequest::PageForward, 18},
        RequestCase{"PageForwardClampedToLastPage", At(18), ScrollRequest::PageForward, 25},
        RequestCase{"PageBack", At(20), ScrollRequest::PageBack, 2},
        RequestCase{"PageBackClampedToZero", At(10), ScrollRequest::PageBack, 0},
        RequestCase{"ToStart", At(20), ScrollRequest::ToStart, 0},
        RequestCase{"ToEndIsLastPage", At(3), ScrollRequest::ToEnd, 25},
        RequestCase{"ToEndWhenAllFits", ScrollAxis{10, 25, 0}, ScrollRequest::ToEnd, 0},
        RequestCase{"LineForwardWhenAllFits", ScrollAxis{10, 25, 0}, ScrollRequest::LineForward, 0},
        RequestCase{"PageForwardWhenAllFits", ScrollAxis{10, 25, 0}, ScrollRequest::PageForward, 0},
        RequestCase{"OneRowPageMovesNothing", ScrollAxis{49, 1, 10}, ScrollRequest::PageForward,
                    10},
        RequestCase{"HorizontalLastPage", ScrollAxis{318, 100, 0}, ScrollRequest::ToEnd, 219}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewGeometry, CapIsOneBelowTheLastPageAPositionCanReach) {
    const ScrollAxis axis{49, 25, 0};
    const int end = RequestedPosition(axis, ScrollRequest::ToEnd);
    EXPECT_EQ(end, 25);
    EXPECT_EQ(CapPosition(end, axis.max, axis.page), 24);
    EXPECT_EQ(CapPosition(-3, axis.max, axis.page), 0);
}

// --- rows ---------------------------------------------------------------------

struct RowCase {
    const char* name;
    RowLayout layout;
    int index;
    int row;
    int top;
};

class RowTest : public ::testing::TestWithParam<RowCase> {};

TEST_P(RowTest, NewestLineIsOnTop) {
    const RowCase& c = GetParam();
    EXPECT_EQ(RowOf(c.layout, c.index), c.row);
    EXPECT_EQ(RowTop(c.layout, c.index), c.top);
    // Hitting a row's top finds its line again, even out of sight.
    EXPECT_EQ(c.layout.count - 1 - c.layout.vpos - (c.top - 2) / c.layout.rowHeight, c.index);
}

INSTANTIATE_TEST_SUITE_P(Cases, RowTest,
                         ::testing::Values(RowCase{"Newest", {50, 0, 15}, 49, 0, 2},
                                           RowCase{"Second", {50, 0, 15}, 48, 1, 17},
                                           RowCase{"Oldest", {50, 0, 15}, 0, 49, 737},
                                           RowCase{"TopWhenScrolled", {50, 10, 15}, 39, 0, 2},
                                           RowCase{
                                               "AboveWhenScrolled", {50, 10, 15}, 49, -10, -148}),
                         [](const auto& info) { return std::string(info.param.name); });

struct HitCase {
    const char* name;
    RowLayout layout;
    int y;
    int expected;
};

class HitTest : public ::testing::TestWithParam<HitCase> {};

TEST_P(HitTest, FindsTheLineUnderThePoint) {
    const HitCase& c = GetParam();
    EXPECT_EQ(HitLine(c.layout, c.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, HitTest,
                         ::testing::Values(HitCase{"FirstRowTop", {50, 0, 15}, 2, 49},
                                           HitCase{"FirstRowLastPixel", {50, 0, 15}, 16, 49},
                                           HitCase{"SecondRowFirstPixel", {50, 0, 15}, 17, 48},
                                           HitCase{"MarginAboveFirstRow", {50, 0, 15}, 0, 49},
                                           HitCase{"OldestRow", {50, 0, 15}, 750, 0},
                                           HitCase{"BelowOldestRow", {50, 0, 15}, 752, -1},
                                           HitCase{"FarBelow", {3, 0, 15}, 300, -1},
                                           HitCase{"Scrolled", {50, 10, 15}, 2, 39},
                                           HitCase{"ScrolledBottom", {50, 10, 15}, 40 * 15 - 1, 0},
                                           HitCase{"EmptyRegister", {0, 0, 15}, 2, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ViewGeometry, TopLine) {
    EXPECT_EQ(TopLine({50, 0, 15}), 49);
    EXPECT_EQ(TopLine({50, 10, 15}), 39);
    EXPECT_EQ(TopLine({0, 0, 15}), -1);
}

// --- which rows a paint formats -------------------------------------------------

struct BandCase {
    const char* name;
    RowLayout layout;
    int top;
    int bottom;
    LineSpan expected;
};

class BandTest : public ::testing::TestWithParam<BandCase> {};

TEST_P(BandTest, OnlyRowsMeetingTheBand) {
    const BandCase& c = GetParam();
    EXPECT_EQ(LinesInBand(c.layout, c.top, c.bottom), c.expected);
}

// 380 pixels of rows of 15: 25 whole rows and one cut row.
INSTANTIATE_TEST_SUITE_P(
    Cases, BandTest,
    ::testing::Values(BandCase{"FullArea", {50, 0, 15}, 0, 380, {49, 24}},
                      BandCase{"FullAreaHugeRegister", {300000, 0, 15}, 0, 380, {299999, 299974}},
                      BandCase{"FullAreaScrolledToBottom", {300000, 299990, 15}, 0, 380, {9, 0}},
                      BandCase{"ShortRegister", {5, 0, 15}, 0, 380, {4, 0}},
                      BandCase{"OneRowStrip", {50, 0, 15}, 17, 32, {48, 48}},
                      BandCase{"LastPixelOfFirstRow", {50, 0, 15}, 16, 17, {49, 49}},
                      BandCase{"StripAcrossTwoRows", {50, 0, 15}, 16, 18, {49, 48}},
                      BandCase{"TopMarginOnly", {50, 0, 15}, 0, 2, {}},
                      BandCase{"BelowOldestRow", {3, 0, 15}, 100, 380, {}},
                      BandCase{"Empty", {0, 0, 15}, 0, 380, {}},
                      BandCase{"NothingToPaint", {50, 0, 15}, 30, 30, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewGeometry, PaintCostDoesNotGrowWithTheRegister) {
    for (const int count : {300, 3000, 300000})
        EXPECT_EQ(LinesInBand({count, 0, 15}, 0, 380).Size(), 26) << count;
}

// --- select and show ------------------------------------------------------------

struct ShowCase {
    const char* name;
    RowLayout layout;
    int index;
    int areaHeight;
    int expected;
};

class ShowTest : public ::testing::TestWithParam<ShowCase> {};

TEST_P(ShowTest, ScrollsOnlyWhenTheRowIsOutOfSight) {
    const ShowCase& c = GetParam();
    EXPECT_EQ(ShowPosition(c.layout, c.index, c.areaHeight), c.expected);
}

// 25 full rows of 15 in 380 pixels.
INSTANTIATE_TEST_SUITE_P(
    Cases, ShowTest,
    ::testing::Values(ShowCase{"AboveBecomesTopRow", {50, 10, 15}, 45, 380, 4},
                      ShowCase{"JustAboveBecomesTopRow", {50, 10, 15}, 40, 380, 9},
                      ShowCase{"TopRowStays", {50, 10, 15}, 39, 380, 10},
                      ShowCase{"LastFullRowStays", {50, 10, 15}, 15, 380, 10},
                      ShowCase{"CutRowBecomesBottomRow", {50, 10, 15}, 14, 380, 11},
                      ShowCase{"OldestBecomesBottomRow", {50, 0, 15}, 0, 380, 25},
                      ShowCase{"ShortRegisterNeverScrolls", {10, 0, 15}, 0, 380, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewGeometry, FullRows) {
    EXPECT_EQ(FullRows(380, 15), 25);
    EXPECT_EQ(FullRows(14, 15), 0);
    EXPECT_EQ(FullRows(-5, 15), 0);
}

}  // namespace
}  // namespace belvane
