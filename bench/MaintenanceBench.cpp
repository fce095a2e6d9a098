// Timings of the file maintenance on a register of 300000 lines of which the
// first 200000 are closed: the purge of every closed line up to the last date
// (moving them into an empty archive, before the saves) and each of the six
// methods of the new fiscal year. Build in Release, as the other benchmarks.

#include "SyntheticRegister.h"

#include "core/CBelvaneDoc.h"
#include "core/RegisterFile.h"
#include "maintenance/NewYear.h"
#include "maintenance/Purge.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>

namespace belvane::bench {

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kClosedLines = 200000;

// The register's bytes, made once per process.
const std::string& Bytes() {
    static const std::string bytes = [] {
        CRegistre reg = MakeSyntheticRegister(kBenchLines);
        for (int i = 0; i < kBenchLines; ++i) {
            CLigne& line = reg.m_lignes[i];
            line.m_dateReleve = i < kClosedLines ? line.m_dateValidite + 86400 : 0;
            // Thirty years of a real account would not fit the 32-bit initial
            // amounts the methods carry into: smaller amounts keep every sum
            // within them, the work stays the same.
            line.m_montant /= 100;
        }
        return WriteRegister(reg);
    }();
    return bytes;
}

std::unique_ptr<CBelvaneDoc> FreshDocument() {
    auto doc = std::make_unique<CBelvaneDoc>();
    const std::string& bytes = Bytes();
    doc->LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return doc;
}

// PurgeUpTo the last line's date into an empty archive: the work of "Apurer
// tout" before the two saves. Loading the register is not timed.
void BM_PurgeAll(benchmark::State& state) {
    for (auto _ : state) {
        auto doc = FreshDocument();
        CBelvaneDoc archive;
        const DayDate limit = doc->GetLine(kBenchLines - 1).m_dateEmission;
        const auto start = Clock::now();
        const std::optional<int> moved = PurgeUpTo(*doc, limit, archive);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (moved != kClosedLines || archive.GetLineCount() != kClosedLines)
            state.SkipWithError("not every closed line moved");
    }
    state.counters["moved"] = kClosedLines;
}
BENCHMARK(BM_PurgeAll)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// StartNewYear with each method; loading the register is not timed, freeing
// the old lines is (it happens inside the command).
void BM_NewYear(benchmark::State& state) {
    const int method = static_cast<int>(state.range(0));
    for (auto _ : state) {
        auto doc = FreshDocument();
        const auto start = Clock::now();
        const bool done = StartNewYear(*doc, method, ToDayDate(2028, 1, 1), "Report");
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        if (!done)
            state.SkipWithError("refused");
    }
}
BENCHMARK(BM_NewYear)
    ->ArgName("method")
    ->DenseRange(0, 5)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

}  // namespace

}  // namespace belvane::bench

BENCHMARK_MAIN();
