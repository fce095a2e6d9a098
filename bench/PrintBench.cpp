// Timings of the print engine on a register at the 300000-line limit: the page
// map in date order and grouped by category, a whole Begin (metrics, map and
// page count), and the layout of one page of rows.

#include "SyntheticRegister.h"

#include "core/CBelvaneDoc.h"
#include "core/RegisterFile.h"
#include "reports/CPrintJob.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace belvane::bench {

namespace {

const CBelvaneDoc& Register() {
    static const std::unique_ptr<CBelvaneDoc> doc = [] {
        const std::string bytes = WriteRegister(MakeSyntheticRegister(kBenchLines));
        auto d = std::make_unique<CBelvaneDoc>();
        d->LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        return d;
    }();
    return *doc;
}

// An A4 page at 1200 pixels per inch with the default print fonts' metrics.
PrintDevice A4() {
    PrintDevice device;
    device.pageWidth = 8976;
    device.pageHeight = 13087;
    device.header = {222, 0, 107, 400};
    device.lines = {189, 0, 100, 100};
    device.graph = {148, 0, 71, 260};
    return device;
}

void BM_PrintPageMap(benchmark::State& state) {
    const CBelvaneDoc& doc = Register();
    const bool sorted = state.range(0) != 0;
    for (auto _ : state) {
        auto map = RegisterPageMap(doc, {0, doc.GetLineCount() - 1}, sorted);
        benchmark::DoNotOptimize(map.data());
    }
}
BENCHMARK(BM_PrintPageMap)->ArgName("sorted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PrintBegin(benchmark::State& state) {
    const CBelvaneDoc& doc = Register();
    PrintOptions options;
    for (auto _ : state) {
        CPrintJob job = CPrintJob::RegisterLines(doc, options, {0, doc.GetLineCount() - 1});
        job.Begin(A4());
        benchmark::DoNotOptimize(job.PageCount());
    }
}
BENCHMARK(BM_PrintBegin)->Unit(benchmark::kMillisecond);

void BM_PrintLayPage(benchmark::State& state) {
    const CBelvaneDoc& doc = Register();
    PrintOptions options;
    CPrintJob job = CPrintJob::RegisterLines(doc, options, {0, doc.GetLineCount() - 1});
    job.Begin(A4());
    PrintPage page;
    int p = 1;
    for (auto _ : state) {
        job.LayPage(p, page);
        p = p % job.PageCount() + 1;
        benchmark::DoNotOptimize(page.steps.data());
    }
}
BENCHMARK(BM_PrintLayPage)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace belvane::bench

BENCHMARK_MAIN();
