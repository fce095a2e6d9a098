#include "core/CBelvaneDoc.h"
#include "core/CRubrique.h"
#include "core/DayDate.h"
#include "reports/CPrintJob.h"
#include "reports/PrintFontCode.h"
#include "reports/PrintTexts.h"

#include <gtest/gtest.h>

#include <tuple>

namespace belvane {
namespace {

DayDate Day(int d) {
    return ToDayDate(2024, 1, d);
}

// Lines issued on 2, 5, 5, 9 January, each naming a category pair.
class PrintEngineTest : public ::testing::Test {
protected:
    FixedClock clock{{2024, 2, 1}};
    CBelvaneDoc doc{nullptr, clock};

    void SetUp() override {
        const std::tuple<int, const char*, const char*> lines[] = {
            {2, "Maison", "Loyer"}, {5, "Auto", ""}, {5, "Maison", ""}, {9, "Inconnue", ""}};
        for (const auto& [day, rubrique, sous] : lines) {
            CLigne l;
            l.Set(Day(day), 0, 0, -100 * day, "", "", rubrique, sous, "", "");
            doc.AddLine(l);
        }
    }
};

TEST(PrintFontCodeTest, FieldsMissingOrUnreadableTakeTheirDefaults) {
    const struct {
        const char* text;
        PrintFontCode code;
    } cases[] = {
        {"Arial,120,700,0,1", {"Arial", 120, 700, false, 1}},
        {"Arial", {"Arial", 100, 400, false, 1}},
        {"Times,90,,1", {"Times", 90, 400, true, 1}},
        {",x,700,0,0", {"Courier New", 100, 700, false, 0}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParsePrintFontCode(c.text), c.code) << c.text;
    EXPECT_EQ(FormatPrintFontCode(ParsePrintFontCode("Arial,80,400,1,0")), "Arial,80,400,1,0");
}

TEST(PrintFontCodeTest, HeightForTheDevice) {
    const struct {
        int tenths, dpi, height;
    } cases[] = {{100, 600, -83}, {120, 1200, -200}, {80, 300, -33}, {100, 72, -10}, {0, 600, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(PrintFontHeight(c.tenths, c.dpi), c.height) << c.tenths << " " << c.dpi;
}

TEST(PrintDialogFlagsTest, PerKind) {
    const struct {
        PrintKind kind;
        bool categories, lines;
        int flags;
    } cases[] = {
        {PrintKind::RegisterLines, true, true, 0},    {PrintKind::RegisterLines, false, true, 16},
        {PrintKind::RegisterLines, false, false, 48}, {PrintKind::CategoryTotals, true, true, 15},
        {PrintKind::MatchingLines, true, true, 5},    {PrintKind::Charts, true, true, 71},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PrintDialogFlags(c.kind, c.categories, c.lines), c.flags)
            << static_cast<int>(c.kind) << c.categories << c.lines;
}

TEST_F(PrintEngineTest, PreparedOptionsTakeTheFirstAndLastDates) {
    PrintOptions options;
    options.sorted = true;
    PreparePrintOptions(doc, PrintKind::RegisterLines, options);
    EXPECT_EQ(std::tie(options.from, options.to, options.dialogFlags, options.sorted),
              std::make_tuple(Day(2), Day(9), 16, false));
}

TEST_F(PrintEngineTest, RangeOfDates) {
    const struct {
        bool fromTo;
        DayDate from, to;
        LineRange range;
        DayDate swappedFrom;
    } cases[] = {
        {false, Day(5), Day(5), {0, 3}, Day(5)},
        {true, Day(3), Day(5), {1, 2}, Day(3)},
        {true, Day(5), Day(3), {1, 2}, Day(3)},  // reversed: the same lines
        {true, 0, 0, {0, -1}, 0},                // both fields empty: no line
        {true, Day(5), 0, {0, 2}, 0},            // no end: from the start up to "from"
    };
    for (const auto& c : cases) {
        PrintOptions options;
        options.from = c.from;
        options.to = c.to;
        EXPECT_EQ(SelectPrintRange(doc, c.fromTo, options), c.range) << c.from << " " << c.to;
        EXPECT_EQ(options.from, c.swappedFrom);
    }
}

TEST_F(PrintEngineTest, SortedMapFollowsTheListsAndLeavesOutUnlistedPairs) {
    CRubrique maison("Maison", 0);
    maison.InsertSousRubrique(0, CSousRubrique("Loyer", 0));
    doc.InsertRubrique(0, maison);
    doc.InsertRubrique(1, CRubrique("Auto", 0));
    EXPECT_EQ(RegisterPageMap(doc, {0, 3}, true), (std::vector<std::int32_t>{2, 0, 1}));
    EXPECT_EQ(RegisterPageMap(doc, {1, 3}, false), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_TRUE(RegisterPageMap(doc, {0, -1}, true).empty());
}

// A page of 1000 x 1000 pixels with header height 100: the body runs from 300
// to 700, so 400 / lineHeight rows.
PrintDevice Device(int lineHeight, int width) {
    PrintDevice device;
    device.pageWidth = 1000;
    device.pageHeight = 1000;
    device.header.height = 100;
    device.lines = {lineHeight, 0, width, width};
    device.graph = {10, 0, 5, 5};
    return device;
}

TEST_F(PrintEngineTest, PageCountsOfTheFourKinds) {
    MatchingLinesPrint matching{{0, 1, 2, 3}, "m"};
    CategoryTotalsPrint totals;
    for (int i = 0; i < 5; ++i)
        totals.rows.push_back({"R", 0, std::vector<SubcategoryTotal>(static_cast<std::size_t>(i))});
    ChartsPrint charts{std::vector<ChartPeriod>(7), "c"};
    PrintOptions options;
    const struct {
        CPrintJob job;
        PrintDevice device;
        int rows, pages;
    } cases[] = {
        // 400 / 100 = 4 rows, one for the titles: 4 lines on 2 pages.
        {CPrintJob::RegisterLines(doc, options, {0, 3}), Device(100, 10), 3, 2},
        {CPrintJob::RegisterLines(doc, options, {0, -1}), Device(100, 10), 3, 1},
        {CPrintJob::MatchingLines(doc, options, matching), Device(50, 10), 7, 1},
        // boxes 3 x 40 high, 18 x 20 wide: 3 rows, 2 columns; 5 rows of up to
        // 4 subcategories: V = 5 / 3 + 1 = 2, Hp = 5 / 2 + 1 = 3.
        {CPrintJob::CategoryTotals(doc, options, totals), Device(40, 20), 3, 6},
        // 1000 / (15 x 20) = 3 bars a page: 7 periods on 3 pages.
        {CPrintJob::Charts(doc, options, charts), Device(40, 20), 10, 3},
    };
    for (auto c : cases) {
        c.job.Begin(c.device);
        EXPECT_EQ(c.job.Metrics().rows, c.rows) << static_cast<int>(c.job.Kind());
        EXPECT_EQ(c.job.PageCount(), c.pages) << static_cast<int>(c.job.Kind());
    }
}

TEST(PrintTotalsMapTest, PairsOfFirstRowAndColumn) {
    const TotalsGrid grid = ComputeTotalsGrid(1000, 360, 3, 5, 4);
    EXPECT_EQ(TotalsPageMap(grid, 3),
              (std::vector<std::int32_t>{0, -1, 0, 1, 0, 3, 3, -1, 3, 1, 3, 3}));
}

TEST_F(PrintEngineTest, HeaderDropsTheModifiedMark) {
    doc.SetTitle("Compte");
    EXPECT_EQ(RegisterPrintHeader(doc, Day(2), Day(9)), "Compte, du 02.01.24 au 09.01.24");
    doc.SetModifiedFlag(true);
    EXPECT_EQ(RegisterPrintHeader(doc, Day(2), Day(9)), "Compte, du 02.01.24 au 09.01.24");
    EXPECT_EQ(PrintFooter(doc, 2, 5), "- Page 2/5 -");
}

// A totals page: the category's double box with its name and total, then one
// box per subcategory, at the positions of the box grid.
TEST_F(PrintEngineTest, TotalsPageBoxesAndTexts) {
    CategoryTotalsPrint totals{{{"Maison", -123456, {{"Loyer", -100000}}}, {"Auto", 5, {}}}, "t"};
    PrintOptions options;
    CPrintJob job = CPrintJob::CategoryTotals(doc, options, totals);
    job.Begin(Device(40, 20));  // boxes 360 x 120 from y = 300
    PrintPage page;
    job.LayPage(1, page);
    std::vector<std::tuple<int, int, int, std::string>> steps;
    for (const PrintStep& s : page.steps)
        if (s.font != PrintFontId::HeaderUnderlined && s.font != PrintFontId::HeaderPlain)
            steps.emplace_back(static_cast<int>(s.type), s.x1, s.y1, s.text);
    const int text = static_cast<int>(PrintStep::Type::Text);
    const int rect = static_cast<int>(PrintStep::Type::Rect);
    EXPECT_EQ(steps, (std::vector<std::tuple<int, int, int, std::string>>{
                         {rect, 0, 300, ""},
                         {rect, 10, 306, ""},
                         {text, 30, 320, "Maison"},
                         {text, 30, 360, "       -1234,56"},
                         {rect, 360, 300, ""},
                         {text, 390, 320, "Loyer"},
                         {text, 390, 360, "       -1000,00"},
                         {rect, 0, 420, ""},
                         {rect, 10, 426, ""},
                         {text, 30, 440, "Auto"},
                         {text, 30, 480, "          +0,05"},
                     }));
}

// Chart pages: a largest value of 0 draws no bar; otherwise two bars a period.
TEST_F(PrintEngineTest, ChartWithNothingToDrawHasHeaderAndFooterOnly) {
    PrintOptions options;
    for (const std::int64_t value : {0, 500}) {
        ChartsPrint charts{{{"p", value, value}}, "c"};
        CPrintJob job = CPrintJob::Charts(doc, options, charts);
        job.Begin(Device(40, 20));
        PrintPage page;
        job.LayPage(1, page);
        int rects = 0;
        for (const PrintStep& s : page.steps)
            rects += s.type == PrintStep::Type::Rect;
        EXPECT_EQ(rects, value == 0 ? 0 : 2);
    }
}

}  // namespace
}  // namespace belvane
