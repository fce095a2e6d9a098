#include "reports/ChartPeriods.h"

#include "ReportRegister.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testutil::D;

TEST(ChartPeriods, CutTheRangeIntoLabelledPeriods) {
    const CBelvaneDoc doc;
    // The labels one after the other, each followed by "|".
    const std::tuple<const char*, DayDate, DayDate, PeriodKind, DayDate, DayDate, const char*>
        cases[] = {
            {"days", D(2024, 2, 28), D(2024, 3, 1), PeriodKind::Day, D(2024, 2, 28), D(2024, 3, 1),
             "28.02.24|29.02.24|01.03.24|"},
            {"Wednesday to Tuesday: two whole weeks", D(2024, 1, 3), D(2024, 1, 9),
             PeriodKind::Week, D(2024, 1, 1), D(2024, 1, 14),
             "01.01.24»\n»07.01.24|08.01.24»\n»14.01.24|"},
            {"one Sunday", D(2024, 1, 7), D(2024, 1, 7), PeriodKind::Week, D(2024, 1, 1),
             D(2024, 1, 7), "01.01.24»\n»07.01.24|"},
            {"months from the 1st of the first", D(2024, 1, 15), D(2024, 3, 3), PeriodKind::Month,
             D(2024, 1, 1), D(2024, 3, 31), "Jan. 24|Fév. 24|Mars 24|"},
            {"months across a year", D(2023, 12, 31), D(2024, 1, 1), PeriodKind::Month,
             D(2023, 12, 1), D(2024, 1, 31), "Déc. 23|Jan. 24|"},
            {"years", D(2023, 6, 1), D(2024, 2, 1), PeriodKind::Year, D(2023, 1, 1),
             D(2024, 12, 31), "2023|2024|"},
            {"reversed range", D(2024, 2, 1), D(2024, 1, 1), PeriodKind::Month, 0, 0, ""},
        };
    for (const auto& [what, from, to, kind, firstStart, lastEnd, expected] : cases) {
        SCOPED_TRACE(what);
        const std::vector<PeriodTotal> periods = MakePeriods(doc, from, to, kind);
        std::string labels;
        for (std::size_t i = 0; i < periods.size(); ++i) {
            labels += periods[i].label + "|";
            // Each period starts the day after the previous one ends.
            if (i > 0) {
                EXPECT_EQ(periods[i].start, periods[i - 1].end + 86400) << i;
            }
        }
        EXPECT_EQ(labels, expected);
        if (!periods.empty()) {
            EXPECT_EQ(periods.front().start, firstStart);
            EXPECT_EQ(periods.back().end, lastEnd);
        }
    }
}

TEST(ChartPeriods, TotalsAndTheLinesBehindABar) {
    CBelvaneDoc doc;
    testutil::FillReportRegister(doc);
    struct Bars {
        Sum credits, debits;
    };
    // The bars of January to March, the largest, the lines behind March's debits and
    // February's credits.
    using Lines = std::vector<std::uint32_t>;
    const std::tuple<const char*, ChartFilter, std::vector<Bars>, Sum, Lines, Lines> cases[] = {
        // No filter: the 10 January line counts from the 1st.
        {"none", {}, {{0, 50000}, {2000, 0}, {0, 7300}}, 50000, {3, 4}, {1}},
        // A subcategory without category filters nothing.
        {"sub", {"", "Divers"}, {{0, 50000}, {2000, 0}, {0, 7300}}, 50000, {3, 4}, {1}},
        {"a category", {"Maison", ""}, {{0, 50000}, {2000, 0}, {0, 300}}, 50000, {3}, {1}},
        // A subcategory name that another category shares.
        {"both", {"Auto", "Divers"}, {{0, 0}, {0, 0}, {0, 7000}}, 7000, {4}, {}},
        {"names compare exactly", {"MAISON", ""}, {{0, 0}, {0, 0}, {0, 0}}, 0, {}, {}},
    };
    for (const auto& [what, filter, months, largest, marchDebits, februaryCredits] : cases) {
        SCOPED_TRACE(what);
        const ChartData chart =
            ComputeChart(doc, D(2024, 1, 15), D(2024, 3, 3), PeriodKind::Month, filter);
        ASSERT_EQ(chart.periods.size(), 3u);
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(chart.periods[i].credits, months[i].credits) << i;
            EXPECT_EQ(chart.periods[i].debits, months[i].debits) << i;
        }
        EXPECT_EQ(chart.largest, largest);
        // The zero amount of 10 February is behind neither bar.
        EXPECT_EQ(MatchBarLines(doc, chart.periods[2], false, filter), marchDebits);
        EXPECT_EQ(MatchBarLines(doc, chart.periods[1], true, filter), februaryCredits);
    }
}

}  // namespace
}  // namespace belvane
