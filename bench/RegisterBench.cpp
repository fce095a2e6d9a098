// Timings of a register holding the 300000 lines the entry dialog accepts at most:
// opening and saving it, adding a line at its end and formatting one line.

#include "SyntheticRegister.h"

#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/LineText.h"
#include "core/RegisterFile.h"
#include "rules/Balances.h"
#include "rules/Generation.h"
#include "rules/LineEntry.h"
#include "rules/LineSearch.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace belvane::bench {

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// The register file and a document holding it, made once per process. The
// temporary directory goes when the process ends.
struct Fixture {
    fs::path dir;
    std::string file;
    std::uintmax_t fileSize = 0;
    std::unique_ptr<CBelvaneDoc> doc;
    std::string bytes;  // the register in memory, to make fresh documents from

    Fixture() {
        std::string tmpl = (fs::temp_directory_path() / "belvane-bench-XXXXXX").string();
        if (!::mkdtemp(tmpl.data()))
            throw std::runtime_error("cannot create a temporary directory");
        dir = tmpl;
        file = (dir / "registre-300000.blv").string();
        if (const Status written = WriteSyntheticRegister(file, kBenchLines); !written.ok())
            throw std::runtime_error(written.ToString());
        fileSize = fs::file_size(file);
        doc = std::make_unique<CBelvaneDoc>();
        if (!doc->OnOpenDocument(file).status.ok() || doc->GetLineCount() != kBenchLines)
            throw std::runtime_error("cannot read back " + file);
        bytes = doc->SaveToBytes();
    }

    // A freshly loaded document: like after an open, its store has no spare room.
    std::unique_ptr<CBelvaneDoc> FreshDocument() const {
        auto d = std::make_unique<CBelvaneDoc>();
        d->LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
        return d;
    }
    ~Fixture() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

const Fixture& Data() {
    static const Fixture fixture;
    return fixture;
}

// Drops the file's pages from the page cache (they are clean once written and
// synced), so that the next read comes from the disk.
void EvictFromCache(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fdatasync(fd);
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
}

void SetFileCounters(benchmark::State& state, const Fixture& data) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * data.fileSize));
    state.counters["lines"] = kBenchLines;
    state.counters["file_MB"] = static_cast<double>(data.fileSize) / 1e6;
}

// --- open -------------------------------------------------------------------

// OnOpenDocument into a document that holds nothing yet, the file in the page
// cache. Making and destroying the document are not timed.
void BM_OpenDocument(benchmark::State& state) {
    const Fixture& data = Data();
    const bool cold = state.range(0) != 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (cold)
            EvictFromCache(data.file);
        auto doc = std::make_unique<CBelvaneDoc>();
        state.ResumeTiming();

        const LoadResult result = doc->OnOpenDocument(data.file);

        state.PauseTiming();
        if (!result.status.ok() || doc->GetLineCount() != kBenchLines)
            state.SkipWithError("the register did not load");
        doc.reset();
        state.ResumeTiming();
    }
    SetFileCounters(state, data);
}
BENCHMARK(BM_OpenDocument)
    ->ArgName("cold")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

// The same document opening the same file again: the previous register is freed
// inside OnOpenDocument, as when the user opens a file over another.
void BM_ReopenDocument(benchmark::State& state) {
    const Fixture& data = Data();
    CBelvaneDoc doc;
    doc.OnOpenDocument(data.file);
    for (auto _ : state) {
        if (!doc.OnOpenDocument(data.file).status.ok())
            state.SkipWithError("the register did not load");
    }
    SetFileCounters(state, data);
}
BENCHMARK(BM_ReopenDocument)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The decoding part of the open: the bytes are already in memory.
void BM_LoadFromBytes(benchmark::State& state) {
    const Fixture& data = Data();
    const std::string bytes = data.doc->SaveToBytes();
    const std::span<const std::uint8_t> span(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                             bytes.size());
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CBelvaneDoc>();
        state.ResumeTiming();
        benchmark::DoNotOptimize(doc->LoadFromBytes(span));
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    SetFileCounters(state, data);
}
BENCHMARK(BM_LoadFromBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// --- save -------------------------------------------------------------------

// OnSaveDocument: encoding, writing a temporary file, fsync, rename, fsync of
// the directory. The target exists after the first iteration, as when a user
// saves a register again.
void BM_SaveDocument(benchmark::State& state) {
    const Fixture& data = Data();
    CBelvaneDoc doc;
    doc.OnOpenDocument(data.file);
    const std::string target = (data.dir / "enregistre.blv").string();
    for (auto _ : state) {
        const Status saved = doc.OnSaveDocument(target);
        if (!saved.ok())
            state.SkipWithError(saved.ToString().c_str());
    }
    SetFileCounters(state, data);
}
BENCHMARK(BM_SaveDocument)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The encoding part of the save: the register's bytes, nothing written.
void BM_SaveToBytes(benchmark::State& state) {
    const Fixture& data = Data();
    for (auto _ : state)
        benchmark::DoNotOptimize(data.doc->SaveToBytes());
    SetFileCounters(state, data);
}
BENCHMARK(BM_SaveToBytes)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

// The three balances of the totals window over the whole register, with a range
// in the middle of it (one pass over the lines either way).
void BM_Balances(benchmark::State& state) {
    const Fixture& data = Data();
    const DayDate first = data.doc->GetLine(0).GetDateEmission();
    const DayDate last = data.doc->GetLine(kBenchLines - 1).GetDateEmission();
    const DayDate from = state.range(0) ? first + (last - first) / 3 : 0;
    const DayDate to = state.range(0) ? last - (last - first) / 3 : 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeBalances(*data.doc, from, to, last));
}
BENCHMARK(BM_Balances)->ArgName("range")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A search that tests every criterion of every line: in Or mode a line is
// rejected only once all its ticked criteria have failed.
void BM_SearchNothingFound(benchmark::State& state) {
    const Fixture& data = Data();
    SearchCriteria criteria;
    criteria.mode = SearchCriteria::Mode::Or;
    criteria.paiement = "zzqx moyen";
    criteria.reference = "zzqx-ref";
    criteria.rubrique = "rubrique zzqx";
    criteria.sousRubrique = "sous-rubrique zzqx";
    criteria.beneficiaire = "bénéficiaire zzqx";
    criteria.observation = "observation zzqx";
    for (auto _ : state) {
        const int found = FindLine(*data.doc, criteria, -1, +1);
        if (found != -1)
            state.SkipWithError("a line matched");
        benchmark::DoNotOptimize(found);
    }
    state.counters["lines"] = kBenchLines;
}
BENCHMARK(BM_SearchNothingFound)->Unit(benchmark::kMillisecond)->UseRealTime();

// --- add a line ---------------------------------------------------------------

// Every iteration starts from a freshly loaded 300000-line document, made
// outside the timing; like after an open, its store has no spare room.
// Only the AddLine calls are timed (manual time).
//
// batch = 1: the first line added after the load, which has to move the whole
//            store into a larger block: the worst pause a user can meet.
// batch = 1024: one full growth step of the store (it grows by at most 1024
//            records), so the mean includes the regrowth in its true share.
void BM_AddLine(benchmark::State& state) {
    const Fixture& data = Data();
    const int batch = static_cast<int>(state.range(0));
    const DayDate last = data.doc->GetLine(kBenchLines - 1).GetDateEmission();
    const std::vector<CLigne> lines = MakeSyntheticLines(batch, last + 86400);
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = data.FreshDocument();
        state.ResumeTiming();
        const auto start = Clock::now();
        for (const CLigne& line : lines)
            doc->AddLine(line);
        const auto stop = Clock::now();
        const double elapsed = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        if (doc->GetLineCount() != kBenchLines + batch)
            state.SkipWithError("lines were not added");
        doc.reset();
    }
    const double added = static_cast<double>(state.iterations()) * batch;
    state.counters["us_per_AddLine"] = seconds / added * 1e6;
    state.SetItemsProcessed(static_cast<std::int64_t>(added));
}
BENCHMARK(BM_AddLine)
    ->ArgName("batch")
    ->Arg(1)
    ->Arg(1024)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Iterations(20);

// AddLine when the store has room left (1023 of every 1024 additions): one copy of
// the line, no move of the store. The lines are removed again outside the timing;
// the room stays.
void BM_AddLineWithRoom(benchmark::State& state) {
    const Fixture& data = Data();
    constexpr int kBatch = 1000;
    const DayDate last = data.doc->GetLine(kBenchLines - 1).GetDateEmission();
    const std::vector<CLigne> lines = MakeSyntheticLines(kBatch, last + 86400);
    const auto fresh = data.FreshDocument();
    CBelvaneDoc& doc = *fresh;
    doc.AddLine(lines[0]);  // grows the store by 1024 records
    doc.DeleteLine(kBenchLines);
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        for (const CLigne& line : lines)
            doc.AddLine(line);
        const auto stop = Clock::now();
        const double elapsed = std::chrono::duration<double>(stop - start).count();
        state.SetIterationTime(elapsed);
        seconds += elapsed;
        for (int i = 0; i < kBatch; ++i)
            doc.DeleteLine(doc.GetLineCount() - 1);
    }
    const double added = static_cast<double>(state.iterations()) * kBatch;
    state.counters["us_per_AddLine"] = seconds / added * 1e6;
    state.SetItemsProcessed(static_cast<std::int64_t>(added));
}
BENCHMARK(BM_AddLineWithRoom)->UseManualTime()->Unit(benchmark::kMicrosecond);

// --- format a line --------------------------------------------------------------

// FormatLine with the default columns and widths, walking through the register
// so that every iteration reads another line.
void BM_FormatLine(benchmark::State& state) {
    const Fixture& data = Data();
    int index = 0;
    std::size_t chars = 0;
    for (auto _ : state) {
        const std::string text = FormatLine(*data.doc, index);
        chars += text.size();
        benchmark::DoNotOptimize(text.data());
        index = (index + 7919) % kBenchLines;
    }
    state.counters["bytes_per_line"] =
        static_cast<double>(chars) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FormatLine)->Unit(benchmark::kNanosecond);

// The form the view uses while drawing: one buffer reused for every line.
void BM_FormatLineIntoBuffer(benchmark::State& state) {
    const Fixture& data = Data();
    std::string out;
    int index = 0;
    for (auto _ : state) {
        FormatLine(*data.doc, out, index);
        benchmark::DoNotOptimize(out.data());
        index = (index + 7919) % kBenchLines;
    }
}
BENCHMARK(BM_FormatLineIntoBuffer)->Unit(benchmark::kNanosecond);

// --- observation completion -------------------------------------------------------

// One keystroke in the observation field of the line entry dialog, at its worst:
// no earlier observation starts with the text, so all 3001 lines the completion
// looks at are compared. text = 0: plain letters; text = 1: accented letters,
// which are compared with full case folding.
void BM_ObservationKeystroke(benchmark::State& state) {
    const Fixture& data = Data();
    const std::string typed = state.range(0) ? "Électricité zzqx" : "Loyer zzqx";
    for (auto _ : state) {
        ObservationCompleter completer;
        const std::optional<std::string> rest = completer.OnChange(*data.doc, typed);
        if (rest)
            state.SkipWithError("an observation matched");
        benchmark::DoNotOptimize(rest);
    }
    state.counters["lines"] = kCompletionLines;
}
BENCHMARK(BM_ObservationKeystroke)->ArgName("text")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// --- due check at opening ---------------------------------------------------------

// The check made when a register is first shown after it was opened, on a
// register of 1 000 movements none of which is due: every one is looked at.
void BM_DueCheckAtOpening(benchmark::State& state) {
    CBelvaneDoc doc;
    const DayDate today = ToDayDate(2026, 3, 15);
    for (int i = 0; i < 1000; ++i) {
        CMouvementAuto m;
        m.m_titre = "Mouvement " + std::to_string(i);
        m.m_prochaineDate = ToDayDate(2026, 4, 1 + i % 28);  // after today
        m.m_nbMois = 1;
        m.m_jour = static_cast<std::uint16_t>(1 + i % 28);
        m.m_montant = -100 * i;
        doc.AddMouvement(m);
    }
    for (auto _ : state) {
        const bool due = AnyMovementDue(doc, today);
        if (due)
            state.SkipWithError("a movement is due");
        benchmark::DoNotOptimize(due);
    }
    state.counters["movements"] = doc.GetMouvementCount();
}
BENCHMARK(BM_DueCheckAtOpening)->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace belvane::bench

BENCHMARK_MAIN();
