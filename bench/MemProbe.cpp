// Memory taken by a loaded register. Opens FILE in a fresh process and prints
// the resident memory before and after, and the process's peak (VmHWM), which
// includes the file's bytes held while it is being read. Then times what a user
// does next in that fresh process: the first AddLine and the first save (into a
// temporary directory), which meet memory the process never touched before.
//
// Usage: belvane-memprobe [--lines N] FILE
// When FILE does not exist, a register of N lines (300000 by default) is first
// written there by a child process, so that making it does not count in the peak.

#include "SyntheticRegister.h"

#include "core/CBelvaneDoc.h"

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace belvane::bench {

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct ProcMemory {
    double rssMb = 0;
    double hwmMb = 0;
};

// VmRSS and VmHWM of /proc/self/status, in MB (10^6 bytes).
ProcMemory ReadProcMemory() {
    ProcMemory m;
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        long kb = 0;
        if (key == "VmRSS:" && status >> kb)
            m.rssMb = kb * 1024.0 / 1e6;
        else if (key == "VmHWM:" && status >> kb)
            m.hwmMb = kb * 1024.0 / 1e6;
        status.ignore(1 << 20, '\n');
    }
    return m;
}

// Small blocks from the heap plus the large ones malloc maps on their own.
double HeapInUseMb() {
    const struct mallinfo2 mi = mallinfo2();
    return static_cast<double>(mi.uordblks + mi.hblkhd) / 1e6;
}

bool GenerateInChild(const std::string& path, int lines) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        const Status written = WriteSyntheticRegister(path, lines);
        if (!written.ok()) {
            std::fprintf(stderr, "%s\n", written.ToString().c_str());
            std::_Exit(1);
        }
        std::_Exit(0);
    }
    int status = 0;
    return ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

int Run(int argc, char** argv) {
    int lines = kBenchLines;
    std::string path;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lines" && i + 1 < argc)
            lines = std::atoi(argv[++i]);
        else
            path = arg;
    }
    if (path.empty() || lines < 0) {
        std::fprintf(stderr, "usage: %s [--lines N] FILE\n", argv[0]);
        return 2;
    }
    if (!std::filesystem::exists(path)) {
        std::printf("writing a register of %d lines to %s\n", lines, path.c_str());
        if (!GenerateInChild(path, lines))
            return 1;
    }

    // The document exists before the measure starts, so that only the register
    // (and the tables its reading needs) counts.
    CBelvaneDoc doc;
    const ProcMemory before = ReadProcMemory();
    const double heapBefore = HeapInUseMb();

    auto start = Clock::now();
    const LoadResult result = doc.OnOpenDocument(path);
    const double openMs = MsSince(start);
    if (!result.status.ok()) {
        std::fprintf(stderr, "%s\n", result.status.ToString().c_str());
        return 1;
    }
    const ProcMemory loaded = ReadProcMemory();
    const double heapLoaded = HeapInUseMb();
    const int n = doc.GetLineCount();

    // What a user does next: add a line (the store has no room left after a
    // load), then save.
    const std::vector<CLigne> extra =
        MakeSyntheticLines(1, n ? doc.GetLine(n - 1).GetDateEmission() : 0);
    start = Clock::now();
    doc.AddLine(extra[0]);
    const double addMs = MsSince(start);

    std::string dir = (std::filesystem::temp_directory_path() / "belvane-memprobe-XXXXXX").string();
    if (!::mkdtemp(dir.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    start = Clock::now();
    const Status saved = doc.OnSaveDocument(dir + "/registre.blv");
    const double saveMs = MsSince(start);
    std::error_code ec;
    std::filesystem::remove_all(dir, ec);
    if (!saved.ok()) {
        std::fprintf(stderr, "%s\n", saved.ToString().c_str());
        return 1;
    }
    const ProcMemory end = ReadProcMemory();

    std::printf("file              %s, %.1f MB, %d lines\n", path.c_str(),
                static_cast<double>(std::filesystem::file_size(path)) / 1e6, n);
    std::printf("RSS before open   %.1f MB\n", before.rssMb);
    std::printf("RSS after open    %.1f MB (+%.1f MB, %.0f bytes a line)\n", loaded.rssMb,
                loaded.rssMb - before.rssMb, n ? (loaded.rssMb - before.rssMb) * 1e6 / n : 0.0);
    std::printf("heap in use       +%.1f MB (malloc's count)\n", heapLoaded - heapBefore);
    std::printf("peak after open   %.1f MB (VmHWM of the process)\n", loaded.hwmMb);
    std::printf("peak after save   %.1f MB (VmHWM after the first AddLine and the save)\n",
                end.hwmMb);
    std::printf("first open        %.1f ms\n", openMs);
    std::printf("first AddLine     %.1f ms (moves the whole store to a larger block)\n", addMs);
    std::printf("first save        %.1f ms (with fsync)\n", saveMs);
    return 0;
}

}  // namespace

}  // namespace belvane::bench

int main(int argc, char** argv) {
    return belvane::bench::Run(argc, argv);
}
