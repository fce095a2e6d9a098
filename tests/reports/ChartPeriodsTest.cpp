#include "reports/ChartPeriods.h"

#include "ReportRegister.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testutil::D;

TEST(ChartPeriods, CutTheRangeIntoLabelledPeriods) {
    const CBelvaneDoc doc;
    // The labels one after the other, each followed by "|".
    const struct {
        const char* what;
        DayDate from, to;
        PeriodKind kind;
        DayDate firstStart, lastEnd;
        const char* labels;
    } cases[] = {
        {"days", D(2024, 2, 28), D(2024, 3, 1), PeriodKind::Day, D(2024, 2, 28), D(2024, 3, 1),
         "28.02.24|29.02.24|01.03.24|"},
        {"Wednesday to Tuesday: two whole weeks", D(2024, 1, 3), D(2024, 1, 9), PeriodKind::Week,
         D(2024, 1, 1), D(2024, 1, 14), "01.01.24»\n»07.01.24|08.01.24»\n»14.01.24|"},
        {"one Sunday", D(2024, 1, 7), D(2024, 1, 7), PeriodKind::Week, D(2024, 1, 1), D(2024, 1, 7),
         "01.01.24»\n»07.01.24|"},
        {"months from the 1st of the first", D(2024, 1, 15), D(2024, 3, 3), PeriodKind::Month,
         D(2024, 1, 1), D(2024, 3, 31), "Jan. 24|Fév. 24|Mars 24|"},
        {"months across a year", D(2023, 12, 31), D(2024, 1, 1), PeriodKind::Month, D(2023, 12, 1),
         D(2024, 1, 31), "Déc. 23|Jan. 24|"},
        {"years", D(2023, 6, 1), D(2024, 2, 1), PeriodKind::Year, D(2023, 1, 1), D(2024, 12, 31),
         "2023|2024|"},
        {"reversed range", D(2024, 2, 1), D(2024, 1, 1), PeriodKind::Month, 0, 0, ""},
    };
    for (const auto& c : cases) {
        const std::vector<PeriodTotal> periods = MakePeriods(doc, c.from, c.to, c.kind);
        std::string labels;
        for (std::size_t i = 0; i < periods.size(); ++i) {
            labels += periods[i].label + "|";
            // Each period starts the day after the previous one ends.
            if (i > 0) {
                EXPECT_EQ(periods[i].start, periods[i - 1].end + 86400) << c.what << " " << i;
            }
        }
        EXPECT_EQ(labels, c.labels) << c.what;
        if (!periods.empty()) {
            EXPECT_EQ(periods.front().start, c.firstStart) << c.what;
            EXPECT_EQ(periods.back().end, c.lastEnd) << c.what;
        }
    }
}

TEST(ChartPeriods, TotalsAndTheLinesBehindABar) {
    CBelvaneDoc doc;
    testutil::FillReportRegister(doc);
    struct Bars {
        Sum credits, debits;
    };
    const struct {
        const char* what;
        ChartFilter filter;
        std::vector<Bars> months;  // January to March
        Sum largest;
        std::vector<std::uint32_t> marchDebits, februaryCredits;
    } cases[] = {
        // No filter: the 10 January line counts from the 1st.
        {"none", {}, {{0, 50000}, {2000, 0}, {0, 7300}}, 50000, {3, 4}, {1}},
        // A subcategory without category filters nothing.
        {"sub", {"", "Divers"}, {{0, 50000}, {2000, 0}, {0, 7300}}, 50000, {3, 4}, {1}},
        {"a category", {"Maison", ""}, {{0, 50000}, {2000, 0}, {0, 300}}, 50000, {3}, {1}},
        // A subcategory name that another category shares.
        {"both", {"Auto", "Divers"}, {{0, 0}, {0, 0}, {0, 7000}}, 7000, {4}, {}},
        {"names compare exactly", {"MAISON", ""}, {{0, 0}, {0, 0}, {0, 0}}, 0, {}, {}},
    };
    for (const auto& c : cases) {
        const ChartData chart =
            ComputeChart(doc, D(2024, 1, 15), D(2024, 3, 3), PeriodKind::Month, c.filter);
        ASSERT_EQ(chart.periods.size(), 3u) << c.what;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(chart.periods[i].credits, c.months[i].credits) << c.what << " " << i;
            EXPECT_EQ(chart.periods[i].debits, c.months[i].debits) << c.what << " " << i;
        }
        EXPECT_EQ(chart.largest, c.largest) << c.what;
        // The zero amount of 10 February is behind neither bar.
        EXPECT_EQ(MatchBarLines(doc, chart.periods[2], false, c.filter), c.marchDebits) << c.what;
        EXPECT_EQ(MatchBarLines(doc, chart.periods[1], true, c.filter), c.februaryCredits)
            << c.what;
    }
}

}  // namespace
}  // namespace belvane
