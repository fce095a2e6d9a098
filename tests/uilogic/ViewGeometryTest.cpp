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

// The line width in characters or the line count, the client size, the
// character width or row height, the position asked, and the axis.
using AxisCase = std::tuple<int, int, int, int, ScrollAxis>;

// 318 characters is the width of a new register's nine columns.
TEST(ViewGeometry, HorizontalRangeIsTheLineWidthAndThePositionIsCapped) {
    const AxisCase cases[] = {
        {318, 800, 8, 0, {318, 100, 0}},
        {318, 800, 8, 218, {318, 100, 218}},
        {318, 800, 8, 219, {318, 100, 218}},
        {318, 807, 8, 0, {318, 100, 0}},  // the page rounds down
        {36, 800, 8, 5, {36, 100, 0}},    // a narrow line fits whole
        {318, 0, 8, 3, {318, 0, 3}},      // a window of no width
        {318, 800, 0, 0, {318, 800, 0}},  // an unmeasured font: no division by zero
    };
    for (const auto& [units, client, unit, pos, expected] : cases)
        EXPECT_EQ(HorizontalAxis(units, client, unit, pos), expected) << client;
}

// Rows of 15 pixels under a band of 20: (400 - 20) / 15 = 25 rows.
TEST(ViewGeometry, VerticalRangeIsTheLastIndexAndThePageExcludesTheTitleBand) {
    const AxisCase cases[] = {
        {50, 400, 15, 0, {49, 25, 0}},   {50, 400, 15, 24, {49, 25, 24}},
        {50, 400, 15, 25, {49, 25, 24}},  // capped at the last index less the page
        {10, 400, 15, 4, {9, 25, 0}},    {0, 400, 15, 3, {0, 25, 0}},  // an empty register
        {50, 10, 15, 5, {49, 0, 5}},  // shorter than the band: no page
    };
    for (const auto& [units, client, unit, pos, expected] : cases)
        EXPECT_EQ(VerticalAxis(units, client, unit, pos), expected) << units;
    EXPECT_EQ(TitleBandHeight(15), 20);
    EXPECT_EQ(TitleBandHeight(8), 13);
}

TEST(ViewGeometry, RequestsMoveAsTheScrollBarRulesSay) {
    // Range 0..49, page 25: the last page starts at 25, a page move is 18.
    const auto at = [](int pos) { return ScrollAxis{49, 25, pos}; };
    const ScrollAxis fits{10, 25, 0};
    const std::tuple<ScrollAxis, ScrollRequest, int> cases[] = {
        {at(7), ScrollRequest::None, 7},
        {at(5), ScrollRequest::LineBack, 4},
        {at(0), ScrollRequest::LineBack, 0},
        {at(24), ScrollRequest::LineForward, 25},
        {at(25), ScrollRequest::LineForward, 25},
        {at(0), ScrollRequest::PageForward, 18},
        {at(18), ScrollRequest::PageForward, 25},
        {at(20), ScrollRequest::PageBack, 2},
        {at(10), ScrollRequest::PageBack, 0},
        {at(20), ScrollRequest::ToStart, 0},
        {at(3), ScrollRequest::ToEnd, 25},
        {fits, ScrollRequest::ToEnd, 0},
        {{49, 1, 10}, ScrollRequest::PageForward, 10},
        {{318, 100, 0}, ScrollRequest::ToEnd, 219},
    };
    int n = 0;
    for (const auto& [axis, request, expected] : cases)
        EXPECT_EQ(RequestedPosition(axis, request), expected) << "case " << n++;
    EXPECT_EQ(CapPosition(-3, 49, 25), 0);
}

// Where each line's row is drawn is the keyboard table's (SelectionLogicTest):
// its clicks land on the rows' tops.
TEST(ViewGeometry, HitsFindTheirLine) {
    const std::tuple<RowLayout, int, int> hits[] = {
        {{50, 0, 15}, 16, 49}, {{50, 0, 15}, 17, 48},
        {{50, 0, 15}, 0, 49},  // the margin above the first row
        {{50, 0, 15}, 750, 0}, {{50, 0, 15}, 752, -1},
        {{50, 10, 15}, 2, 39}, {{50, 10, 15}, 40 * 15 - 1, 0},
        {{0, 0, 15}, 2, -1},
    };
    for (const auto& [layout, y, expected] : hits)
        EXPECT_EQ(HitLine(layout, y), expected) << y;
}

// 380 pixels of rows of 15: 25 whole rows and one cut row.
TEST(ViewGeometry, PaintFormatsOnlyTheRowsMeetingTheBand) {
    const std::tuple<RowLayout, int, int, LineSpan> cases[] = {
        {{50, 0, 15}, 0, 380, {49, 24}}, {{300000, 299990, 15}, 0, 380, {9, 0}},
        {{5, 0, 15}, 0, 380, {4, 0}},    {{50, 0, 15}, 17, 32, {48, 48}},
        {{50, 0, 15}, 16, 17, {49, 49}}, {{50, 0, 15}, 16, 18, {49, 48}},
        {{50, 0, 15}, 0, 2, {}},  // the top margin only
        {{3, 0, 15}, 100, 380, {}},      {{0, 0, 15}, 0, 380, {}},
        {{50, 0, 15}, 30, 30, {}},
    };
    for (const auto& [layout, top, bottom, expected] : cases)
        EXPECT_EQ(LinesInBand(layout, top, bottom), expected) << top << ".." << bottom;
    for (const int count : {300, 3000, 300000})
        EXPECT_EQ(LinesInBand({count, 0, 15}, 0, 380).Size(), 26) << count;
}

TEST(ViewGeometry, SelectAndShowScrollsOnlyWhenTheRowIsOutOfSight) {
    const std::tuple<RowLayout, int, int> cases[] = {
        {{50, 10, 15}, 45, 4},                           // above: becomes the top row
        {{50, 10, 15}, 40, 9},  {{50, 10, 15}, 39, 10},  // the top row stays
        {{50, 10, 15}, 15, 10},                          // the last full row stays
        {{50, 10, 15}, 14, 11},                          // the cut row becomes the bottom row
        {{50, 0, 15}, 0, 25},   {{10, 0, 15}, 0, 0},
    };
    for (const auto& [layout, index, expected] : cases)
        EXPECT_EQ(ShowPosition(layout, index, 380), expected) << index;
    EXPECT_EQ(FullRows(380, 15), 25);
    EXPECT_EQ(FullRows(14, 15), 0);
    EXPECT_EQ(FullRows(-5, 15), 0);
}

}  // namespace
}  // namespace belvane
