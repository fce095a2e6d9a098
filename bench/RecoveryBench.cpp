// The recovery file of a register at the 300000-line limit: how long the
// window's thread stops for it (a slice of the copy of the register into the
// writer's snapshot, whose room is ready), and how long it takes in all until
// the file is on disk (the copy, then the encoding and the atomic write on the
// writer's thread). Each iteration changes a line first, as an edit would.

#include "SyntheticRegister.h"

#include "maintenance/RecoveryWriter.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace belvane::bench {

namespace {

using Clock = std::chrono::steady_clock;

struct Setup {
    CRegistre reg = MakeSyntheticRegister(kBenchLines);
    std::filesystem::path dir;
    RecoveryWriter writer;

    Setup() {
        std::string tmpl =
            (std::filesystem::temp_directory_path() / "belvane-recovery-XXXXXX").string();
        dir = ::mkdtemp(tmpl.data());
        // As the window does at the first change: the snapshot's room, away from it.
        writer.Reserve(reg.m_lignes.size() + 1024);
        writer.Wait();
    }
    ~Setup() {
        std::error_code ec;
        std::filesystem::remove_all(dir, ec);
    }
    std::string File() const { return (dir / "compte.blv.0123456789abcdef.1.blv").string(); }
};

Setup& Shared() {
    static Setup setup;
    return setup;
}

void Change(CRegistre& reg, int i) {
    reg.m_lignes[static_cast<std::size_t>(i) % reg.m_lignes.size()].m_montant += 1;
}

// The window's thread copies the register in slices of this many lines, one
// between two of its events (as RecoveryKeeper does).
constexpr std::size_t kSliceLines = 5000;

struct CopyTimes {
    double longest = 0;  // the longest slice: the longest pause of the window
    double all = 0;      // every slice: the window thread's whole share
};

CopyTimes CopyInSlices(Setup& s) {
    CopyTimes t;
    RecoveryWriter::Copy copy = RecoveryWriter::Copy::Partial;
    for (bool restart = true; copy == RecoveryWriter::Copy::Partial; restart = false) {
        const auto start = Clock::now();
        copy = s.writer.CopySlice(s.reg, s.File(), kSliceLines, restart);
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        t.longest = std::max(t.longest, took);
        t.all += took;
    }
    if (copy != RecoveryWriter::Copy::Done)
        std::abort();  // the snapshot had no room: Setup makes it
    return t;
}

// The longest pause of the window's thread, its slice of the copy. With
// `first`, the copy's memory is fresh (the first write after a save), otherwise
// it is the last copy's, as for every later write.
void BM_RecoveryPause(benchmark::State& state) {
    Setup& s = Shared();
    const bool first = state.range(0) != 0;
    int i = 0;
    double all = 0;
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            s.writer.Release();
            s.writer.Reserve(s.reg.m_lignes.size() + 1024);
            s.writer.Wait();
            state.ResumeTiming();
        }
        Change(s.reg, i++);
        const CopyTimes t = CopyInSlices(s);
        state.SetIterationTime(t.longest);
        all += t.all;
        s.writer.Wait();
    }
    state.counters["all_slices_ms"] = all * 1000 / static_cast<double>(i);
}
BENCHMARK(BM_RecoveryPause)
    ->ArgName("first")
    ->DenseRange(0, 1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// From the first slice to the file on disk, the slices back to back.
void BM_RecoveryTotal(benchmark::State& state) {
    Setup& s = Shared();
    int i = 0;
    for (auto _ : state) {
        Change(s.reg, i++);
        CopyInSlices(s);
        s.writer.Wait();
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(s.File())) / 1e6;
}
BENCHMARK(BM_RecoveryTotal)->UseRealTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

}  // namespace belvane::bench

BENCHMARK_MAIN();
