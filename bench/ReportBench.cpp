// Timings of the reports on a 300000-line register of thirty years in 30
// categories of 5 subcategories: the totals by category, the lines behind a
// total, and a chart by day (about 11000 periods) and by month.

#include "ReportRegister.h"

#include "core/DayDate.h"
#include "reports/CategoryTotals.h"
#include "reports/ChartPeriods.h"

#include <benchmark/benchmark.h>

namespace belvane::bench {

namespace {

const CBelvaneDoc& Doc() {
    static const std::unique_ptr<CBelvaneDoc> doc = MakeReportRegister();
    return *doc;
}

void BM_CategoryTotals(benchmark::State& state) {
    const CBelvaneDoc& doc = Doc();
    const DayDate start = state.range(0) ? ToDayDate(2010, 1, 1) : 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeCategoryTotals(doc, start, kOpenEndDate));
}
BENCHMARK(BM_CategoryTotals)->ArgName("start")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_MatchCategoryLines(benchmark::State& state) {
    const CBelvaneDoc& doc = Doc();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            MatchCategoryLines(doc, "Rubrique 7", "Sous-rubrique 3", 0, kOpenEndDate));
}
BENCHMARK(BM_MatchCategoryLines)->Unit(benchmark::kMillisecond);

// The whole register by day (10958 periods), week, month and year.
void BM_Chart(benchmark::State& state) {
    const CBelvaneDoc& doc = Doc();
    DayDate from = 0, to = 0;
    DefaultChartRange(doc, from, to);
    const auto kind = static_cast<PeriodKind>(state.range(0));
    std::size_t periods = 0;
    for (auto _ : state) {
        const ChartData chart = ComputeChart(doc, from, to, kind, {});
        periods = chart.periods.size();
        benchmark::DoNotOptimize(chart.largest);
    }
    state.counters["periods"] = static_cast<double>(periods);
}
BENCHMARK(BM_Chart)->ArgName("kind")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace belvane::bench

BENCHMARK_MAIN();
