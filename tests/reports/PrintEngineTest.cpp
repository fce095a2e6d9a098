#include "RecordBuilders.h"
#include "core/CBelvaneDoc.h"
#include "core/LineText.h"
#include "core/SettingsStore.h"
#include "reports/CPrintJob.h"
#include "reports/PageSetup.h"
#include "reports/PrintColumns.h"
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
        for (const auto& [day, rubrique, sous] : lines)
            doc.AddLine(testutil::MakeLine(Day(day), 0, 0, -100 * day, "", "", rubrique, sous));
    }
};

TEST(PrintFontCodeTest, FieldsMissingOrUnreadableTakeTheirDefaults) {
    const std::pair<const char*, PrintFontCode> cases[] = {
        {"Arial,120,700,0,1", {"Arial", 120, 700, false, 1}},
        {"Arial", {"Arial", 100, 400, false, 1}},
        {"Times,90,,1", {"Times", 90, 400, true, 1}},
        {",x,700,0,0", {"Courier New", 100, 700, false, 0}},
        {"", {}},
    };
    for (const auto& [text, code] : cases)
        EXPECT_EQ(ParsePrintFontCode(text), code) << text;
    EXPECT_EQ(FormatPrintFontCode(ParsePrintFontCode("Arial,80,400,1,0")), "Arial,80,400,1,0");
}

TEST(PrintFontCodeTest, HeightForTheDevice) {
    const std::tuple<int, int, int> cases[] = {
        {100, 600, -83}, {120, 1200, -200}, {80, 300, -33}, {100, 72, -10}, {0, 600, 0}};
    for (const auto& [tenths, dpi, height] : cases)
        EXPECT_EQ(PrintFontHeight(tenths, dpi), height) << tenths << " " << dpi;
}

TEST(PrintDialogFlagsTest, PerKind) {
    const std::tuple<PrintKind, bool, bool, int> cases[] = {
        {PrintKind::RegisterLines, true, true, 0},    {PrintKind::RegisterLines, false, true, 16},
        {PrintKind::RegisterLines, false, false, 48}, {PrintKind::CategoryTotals, true, true, 15},
        {PrintKind::MatchingLines, true, true, 5},    {PrintKind::Charts, true, true, 71},
    };
    for (const auto& [kind, categories, lines, flags] : cases)
        EXPECT_EQ(PrintDialogFlags(kind, categories, lines), flags)
            << static_cast<int>(kind) << categories << lines;
}

TEST_F(PrintEngineTest, PreparedOptionsTakeTheFirstAndLastDates) {
    PrintOptions options;
    options.sorted = true;
    PreparePrintOptions(doc, PrintKind::RegisterLines, options);
    EXPECT_EQ(std::tie(options.from, options.to, options.dialogFlags, options.sorted),
              std::make_tuple(Day(2), Day(9), 16, false));
}

TEST_F(PrintEngineTest, RangeOfDates) {
    const std::tuple<bool, DayDate, DayDate, LineRange, DayDate> cases[] = {
        {false, Day(5), Day(5), {0, 3}, Day(5)},
        {true, Day(3), Day(5), {1, 2}, Day(3)},
        {true, Day(5), Day(3), {1, 2}, Day(3)},  // reversed: the same lines
        {true, 0, 0, {0, -1}, 0},                // both fields empty: no line
        {true, Day(5), 0, {0, 2}, 0},            // no end: from the start up to "from"
    };
    for (const auto& [fromTo, from, to, range, swappedFrom] : cases) {
        PrintOptions options;
        options.from = from;
        options.to = to;
        EXPECT_EQ(SelectPrintRange(doc, fromTo, options), range) << from << " " << to;
        EXPECT_EQ(options.from, swappedFrom);
    }
}

TEST_F(PrintEngineTest, SortedMapFollowsTheListsAndLeavesOutUnlistedPairs) {
    doc.InsertRubrique(0, testutil::MakeRubrique("Maison", 0, {{"Loyer", 0}}));
    doc.InsertRubrique(1, CRubrique("Auto", 0));
    EXPECT_EQ(RegisterPageMap(doc, {0, 3}, true), (std::vector<std::int32_t>{2, 0, 1}));
    EXPECT_EQ(RegisterPageMap(doc, {1, 3}, false), (std::vector<std::int32_t>{1, 2, 3}));
    EXPECT_TRUE(RegisterPageMap(doc, {0, -1}, true).empty());
}

// A page 1000 pixels high with header height 100: the body runs from 300 to
// 700; the rows of the lines kinds start 1.5 lines below its top, clear of the
// column titles and their rule.
PrintDevice Device(int lineHeight, int width, int pageWidth = 1000) {
    PrintDevice device;
    device.pageWidth = pageWidth;
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
    const std::tuple<CPrintJob, PrintDevice, int, int> cases[] = {
        // (700 - 450) / 100 = 2 rows: 4 lines on 2 pages.
        {CPrintJob::RegisterLines(doc, options, {0, 3}), Device(100, 10), 2, 2},
        {CPrintJob::RegisterLines(doc, options, {0, -1}), Device(100, 10), 2, 1},
        {CPrintJob::MatchingLines(doc, options, matching), Device(50, 10), 6, 1},
        // Boxes 3 x 40 high: 3 rows a page. Two boxes of 500 across (18
        // characters of 20 fit twice): the category and one subcategory a
        // row, so 1 + 1 + 2 + 3 + 4 rows on 4 pages.
        {CPrintJob::CategoryTotals(doc, options, totals), Device(40, 20), 3, 4},
        // 1000 / (15 x 20) = 3 bars a page: 7 periods on 3 pages.
        {CPrintJob::Charts(doc, options, charts), Device(40, 20), 10, 3},
    };
    for (auto [job, device, rows, pages] : cases) {
        job.Begin(device);
        EXPECT_EQ(job.Metrics().rows, rows) << static_cast<int>(job.Kind());
        EXPECT_EQ(job.PageCount(), pages) << static_cast<int>(job.Kind());
    }
}

// The same page for the preview and every printer: lines a page and
// characters a row from the paper, at the print resolution, with the default
// fonts as measured there (Arial 12 bold 230 pixels high; Courier New 10 189
// high and 100 wide).
TEST(PageLayoutTest, LinesAPageForEachPaperAndOrientation) {
    const PageSetup a4;
    const PageSetup letter{2159, 2794};
    const std::tuple<PageSetup, bool, int, int> cases[] = {
        {a4, false, 60, 89}, {a4, true, 38, 130}, {letter, false, 56, 92}};
    for (auto [setup, landscape, rows, chars] : cases) {
        setup.landscape = landscape;
        const PageArea area = ComputePageArea(setup, kPrintDpi);
        PrintDevice device;
        device.pageWidth = area.width;
        device.pageHeight = area.height;
        device.header = {230, 0, 110, 200};
        device.lines = {189, 0, 100, 100};
        const PrintMetrics m = ComputePrintMetrics(PrintKind::RegisterLines, device);
        EXPECT_EQ(m.rows, rows) << setup.paperWidth << landscape;
        EXPECT_EQ(area.width / m.unit, chars) << setup.paperWidth << landscape;
        EXPECT_GT(m.rowsTop, m.ruleY + 2);  // the rule clear of the first row
    }
    EXPECT_EQ(ComputePageArea(a4, 254), (PageArea{2100, 2970, 100, 100, 1900, 2770}));
}

// The paper of the interface language's country, the settings' choice over
// it, and the default again for values that leave no page to print on.
TEST(PageSetupTest, DefaultPaperAndSettings) {
    const PageSetup a4, letter{2159, 2794};
    const std::pair<int, PageSetup> defaults[] = {{1036, a4},     {2057, a4},     {1031, a4},
                                                  {1033, letter}, {3084, letter}, {0, a4}};
    for (const auto& [langId, paper] : defaults)
        EXPECT_EQ(DefaultPageSetup(langId), paper) << langId;

    PageSetup chosen{2970, 4200, true, 50, 60, 70, 80};
    CMemorySettings settings;
    EXPECT_EQ(ReadPageSetup(&settings, 1033), letter);
    WritePageSetup(settings, chosen);
    EXPECT_EQ(settings.GetString("Settings", "PrintMargins", ""), "50,60,70,80");
    EXPECT_EQ(ReadPageSetup(&settings, 1033), chosen);

    const std::tuple<const char*, const char*, PageSetup> damaged[] = {
        {"PrintPaperWidth", "12", letter},  // no such paper
        {"PrintMargins", "50,60,70", {2970, 4200, true, 100, 100, 100, 100}},
        {"PrintMargins", "50,60,2000,2500", {2970, 4200, true, 100, 100, 100, 100}},
    };
    for (const auto& [name, value, read] : damaged) {
        CMemorySettings s;
        WritePageSetup(s, chosen);
        s.WriteString("Settings", name, value);
        EXPECT_EQ(ReadPageSetup(&s, 1033), read) << name << " " << value;
    }
}

// A column is printed whole or not at all: the leading columns whose row fits.
TEST(PrintColumnsTest, ColumnsThatFitAndTheFittedFont) {
    const std::vector<RowColumn> columns = {{0, 8}, {5, 12}, {11, 30}};
    const std::pair<int, std::size_t> cases[] = {{8, 0},  {9, 1},  {22, 1}, {23, 2},
                                                 {54, 2}, {55, 3}, {500, 3}};
    for (const auto& [pageChars, fit] : cases)
        EXPECT_EQ(ColumnsThatFit(columns, pageChars), fit) << pageChars;
    EXPECT_EQ(PrintRowChars(columns), 55);

    // A font whose characters are 6/10 of its size, rounded.
    const auto width = [](int size) { return (6 * size + 5) / 10; };
    const std::tuple<int, int, int, int> fonts[] = {
        {167, 80, 8976, 167},  // fits: never made larger or kept smaller
        {167, 90, 8976, 165},
        {10, 1000, 100, 1},
    };
    for (const auto& [size, chars, pageWidth, fitted] : fonts)
        EXPECT_EQ(FittedFontSize(size, chars, pageWidth, width), fitted) << chars;
}

// The full widths hold the widest value of each column on the printed lines
// (at least the title; a text no wider than a line may hold): no amount is
// ever cut. The screen's widths keep the register's, the amounts whole.
TEST(PrintColumnsTest, WidestValueWidths) {
    FixedClock clock{{2024, 2, 1}};
    CBelvaneDoc doc{nullptr, clock};
    doc.SetDisplay({kColDateEmission, kColReference, kColMontant, kColCredit, kColDebit,
                    kColBeneficiaire, kColObservation},
                   {4, 32, 32, 32, 5, 3}, doc.GetFont(), doc.GetColors());
    const std::pair<Amount, const char*> lines[] = {
        {-2147483647, "Électricité de France"}, {250, "Café"}, {-5, ""}};
    for (const auto& [amount, payee] : lines)
        doc.AddLine(
            testutil::MakeLine(Day(2), 0, 0, amount, "", "", "", "", payee, std::string(140, 'o')));
    const std::vector<std::int32_t> all = {0, 1, 2}, small = {1, 2};
    const std::tuple<std::vector<std::int32_t>, bool, std::vector<int>> cases[] = {
        {all, false, {8, 9, 12, 6, 12, 21, 128}},
        {small, false, {8, 9, 7, 6, 5, 20, 128}},
        {all, true, {8, 4, 12, 12, 12, 5, 3}},
    };
    for (const auto& [rows, screen, expected] : cases) {
        std::vector<int> widths;
        for (const RowColumn& column : PrintRowColumns(doc, rows, screen))
            widths.push_back(column.width);
        EXPECT_EQ(widths, expected) << screen << rows.size();
    }
    std::string row;
    FormatRow(doc, row, 0, PrintRowColumns(doc, all, false));
    EXPECT_NE(row.find("-21474836,47"), std::string::npos) << row;
}

TEST(PrintTextsTest, TextWholeOrEndedByAnEllipsis) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"Télécommunications", 18, "Télécommunications"},
        {"Télécommunications", 15, "Télécommunicat…"},              // one word: cut, marked
        {"Électricité et gaz naturel", 22, "Électricité et gaz…"},  // at the last blank
        {"abc", 0, ""},
    };
    for (const auto& [text, chars, shown] : cases)
        EXPECT_EQ(FitText(text, chars), shown) << text << " " << chars;
}

TEST_F(PrintEngineTest, HeaderAndFooter) {
    doc.SetTitle("Compte");
    doc.SetModifiedFlag(true);  // the name, never the mark
    EXPECT_EQ(RegisterPrintHeader(doc, Day(2), Day(9)), "Compte, du 02.01.24 au 09.01.24");
    EXPECT_EQ(PrintFooter(doc, 2, 5), "- Page 2/5 -");
}

// A totals page: boxes sharing the page width; the category's double box with
// its name and total, its subcategories after it, and on a row that goes on
// with further subcategories the category again, marked as continued. Names
// too long for a box end with an ellipsis.
TEST_F(PrintEngineTest, TotalsPageBoxesAndTexts) {
    CategoryTotalsPrint totals{
        {{"Maison", -123456, {{"Loyer", -100000}, {"Électricité et gaz naturel", -5}}},
         {"Auto", 5, {}}},
        "t"};
    PrintOptions options;
    CPrintJob job = CPrintJob::CategoryTotals(doc, options, totals);
    job.Begin(Device(40, 20));  // two boxes of 500 x 120 across, from y = 300
    PrintPage page;
    job.LayPage(1, page);
    // Each step as type (R: rectangle, T: text), position and text.
    std::string steps;
    for (const PrintStep& s : page.steps)
        if (s.font != PrintFontId::HeaderUnderlined && s.font != PrintFontId::HeaderPlain)
            steps += (s.type == PrintStep::Type::Rect ? "R" : "T") + std::to_string(s.x1) + "," +
                     std::to_string(s.y1) + (s.text.empty() ? "" : " " + s.text) + "; ";
    EXPECT_EQ(steps,
              "R0,300; T30,320 Maison; T30,360        -1234,56; R13,306; "
              "R500,300; T530,320 Loyer; T530,360        -1000,00; "
              "R0,420; T30,440 Maison; T30,480 (suite); R13,426; "
              "R500,420; T530,440 Électricité et gaz…; T530,480           -0,05; "
              "R0,540; T30,560 Auto; T30,600           +0,05; R13,546; ");
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
