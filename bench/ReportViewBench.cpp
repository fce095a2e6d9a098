// Timings of the report windows, headless: one paint of the chart area with 12
// and with about 11000 periods (only the periods in sight are drawn), and one
// paint of the matching-lines window listing 300000 lines.

#include "ReportRegister.h"

#include "core/DayDate.h"
#include "gui/dialogs/reports/CGraphiqueWnd.h"
#include "gui/dialogs/reports/CLignesCorrespondantesWnd.h"
#include "reports/ChartPeriods.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <numeric>

namespace belvane::bench {

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 700;

const CBelvaneDoc& Doc() {
    static const std::unique_ptr<CBelvaneDoc> doc = MakeReportRegister();
    return *doc;
}

// kind 3 (years): 30 periods; kind 2 (months) of one year: 12; kind 0 (days): 10958.
void BM_ChartPaint(benchmark::State& state) {
    const CBelvaneDoc& doc = Doc();
    DayDate from = 0, to = 0;
    DefaultChartRange(doc, from, to);
    if (state.range(0) == 12)
        from = ToDayDate(2025, 1, 1);
    const PeriodKind kind = state.range(0) == 12 ? PeriodKind::Month : PeriodKind::Day;
    const ChartData chart = ComputeChart(doc, from, to, kind, {});
    CGraphiqueWnd area;
    area.resize(kWidth, kHeight);
    area.SetChart(&chart);
    area.SetScrollPosition(std::max(0, static_cast<int>(chart.periods.size()) - area.PageSize()));
    for (auto _ : state)
        area.Render();
    state.counters["periods"] = static_cast<double>(chart.periods.size());
    state.counters["drawn"] = area.DrawnPeriods();
}
BENCHMARK(BM_ChartPaint)->ArgName("periods")->Arg(12)->Arg(11000)->Unit(benchmark::kMillisecond);

// A full paint of the matching-lines window over every line, at the top and at
// the bottom of the list.
void BM_MatchingLinesPaint(benchmark::State& state) {
    const CBelvaneDoc& doc = Doc();
    std::vector<std::uint32_t> all(static_cast<std::size_t>(doc.GetLineCount()));
    std::iota(all.begin(), all.end(), 0u);
    CLignesCorrespondantesWnd rows(doc, std::move(all));
    rows.resize(kWidth, kHeight);
    rows.UpdateScrollRanges();
    if (state.range(0))
        rows.verticalScrollBar()->setValue(rows.verticalScrollBar()->maximum());
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (auto _ : state)
        rows.viewport()->render(&image);
}
BENCHMARK(BM_MatchingLinesPaint)->ArgName("bottom")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace belvane::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
