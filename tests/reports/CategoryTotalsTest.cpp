#include "reports/CategoryTotals.h"

#include "ReportRegister.h"
#include "core/ValueFormat.h"
#include "reports/ChartPeriods.h"
#include "reports/SumFormat.h"

#include <gtest/gtest.h>

#include <limits>

namespace belvane {
namespace {

using testutil::D;

constexpr Amount kMax = std::numeric_limits<Amount>::max();

TEST(CategoryTotals, TotalsByDateRange) {
    CBelvaneDoc doc;
    testutil::FillReportRegister(doc);
    const struct {
        const char* what;
        DayDate start, end;
        Sum maison, loyer, divers, autos, autosDivers;
    } cases[] = {
        {"no range: initial amounts, every subcategory in the category's total", 0, kOpenEndDate,
         1000 - 50000 + 2000 - 300, 100 - 50000, 10 - 300, 5 - 7000, 1 - 7000},
        {"a start leaves the initial amounts out", D(2024, 2, 1), kOpenEndDate, 2000 - 300, 0, -300,
         -7000, -7000},
        {"an end alone keeps them", 0, D(2024, 2, 1), 1000 - 50000 + 2000, 100 - 50000, 10, 5, 1},
        {"one day, both ends included", D(2024, 3, 1), D(2024, 3, 1), -300, 0, -300, -7000, -7000},
    };
    for (const auto& c : cases) {
        const std::vector<CategoryTotal> t = ComputeCategoryTotals(doc, c.start, c.end);
        ASSERT_EQ(t.size(), 2u) << c.what;
        EXPECT_EQ(t[0].name, "Maison");
        EXPECT_EQ(t[0].subNames, (std::vector<std::string>{"Loyer", "Divers"}));
        EXPECT_EQ(t[0].total, c.maison) << c.what;
        EXPECT_EQ(t[0].subTotals, (std::vector<Sum>{c.loyer, c.divers})) << c.what;
        EXPECT_EQ(t[1].total, c.autos) << c.what;
        EXPECT_EQ(t[1].subTotals, (std::vector<Sum>{c.autosDivers})) << c.what;
    }
}

TEST(CategoryTotals, MatchingLinesCompareNamesExactly) {
    CBelvaneDoc doc;
    testutil::FillReportRegister(doc);
    const std::tuple<const char*, const char*, DayDate, DayDate, std::vector<std::uint32_t>>
        cases[] = {
            {"Maison", "", 0, kOpenEndDate, {0, 1, 2, 3}},
            {"Maison", "Divers", 0, kOpenEndDate, {3}},  // not Auto's "Divers"
            {"Auto", "Divers", 0, kOpenEndDate, {4}},
            {"maison", "", 0, kOpenEndDate, {5}},
            {"", "", 0, kOpenEndDate, {6}},  // no total chosen: the lines without category
            {"Maison", "", D(2024, 2, 1), D(2024, 2, 10), {1, 2}},
            {"Voyage", "", 0, kOpenEndDate, {}},
        };
    for (const auto& [category, subcategory, start, end, expected] : cases)
        EXPECT_EQ(MatchCategoryLines(doc, category, subcategory, start, end), expected)
            << category << "/" << subcategory;
}

TEST(SumFormat, WritesAnySumByTheAmountRules) {
    // Within 32 bits, exactly as the amounts.
    for (const Amount a : {0, 1, -1, 99, -99, -100, 150, -150, 12345678, kMax, -kMax})
        for (const bool sign : {false, true})
            EXPECT_EQ(FormatSum(a, sign, 15, ","), FormatAmount(a, sign, 15, ",")) << a;
    const std::tuple<Sum, bool, int, const char*, const char*> cases[] = {
        {Sum{3} * kMax, true, 15, ",", "   +64424509,41"},
        {-Sum{3} * kMax, false, 0, ",", "64424509,41"},
        {std::numeric_limits<Sum>::min(), true, 0, ".", "-92233720368547758.08"},
    };
    for (const auto& [sum, sign, width, symbol, expected] : cases)
        EXPECT_EQ(FormatSum(sum, sign, width, symbol), expected);
}

// Sums run in 64 bits: a category total and chart bars of three of the largest amounts.
TEST(ReportSums, PassThe32BitAmounts) {
    CBelvaneDoc doc;
    doc.InsertRubrique(0, testutil::MakeRubrique("Gros", kMax, {{"Lot", kMax}}));
    for (const int day : {1, 2})
        testutil::AddLine(doc, D(2024, 1, day), kMax, "Gros", "Lot");
    for (const int day : {1, 2, 3})
        testutil::AddLine(doc, D(2024, 1, day), -kMax, "", "");
    const std::vector<CategoryTotal> t = ComputeCategoryTotals(doc, 0, kOpenEndDate);
    EXPECT_EQ(t[0].total, Sum{3} * kMax);
    EXPECT_EQ(t[0].subTotals[0], Sum{3} * kMax);
    const ChartData chart = ComputeChart(doc, D(2024, 1, 1), D(2024, 1, 3), PeriodKind::Year, {});
    ASSERT_EQ(chart.periods.size(), 1u);
    EXPECT_EQ(chart.periods[0].credits, Sum{2} * kMax);
    EXPECT_EQ(chart.periods[0].debits, Sum{3} * kMax);
    EXPECT_EQ(chart.largest, Sum{3} * kMax);
}

}  // namespace
}  // namespace belvane
