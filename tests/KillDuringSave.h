#pragma once

#include "ScratchDir.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace belvane::testutil {

// One file a save replaces: at every moment it must hold either its bytes from
// before the save or those from after it.
struct SavedFile {
    std::string path;
    std::string before;
    std::string after;
};

// One save to interrupt: the files it replaces, and the save itself, which runs
// in a child process and says whether it succeeded.
struct SaveUnderTest {
    std::vector<SavedFile> files;
    std::function<bool()> save;
};

struct KillReport {
    double saveMs = 0;                // length of one whole save, measured first
    int killed = 0;                   // children killed before they finished
    int allBefore = 0;                // rounds after which every file held its old bytes
    int allAfter = 0;                 // ... its new bytes
    int mixed = 0;                    // some old, some new (a save of several files)
    std::vector<std::string> faults;  // files in neither state, saves that failed
};

// Where the files of a kill test go: memory (/dev/shm) when there is some. A
// kill is the process dying, not the power failing, so the disk adds nothing to
// prove, and waiting 200 times for a busy disk to flush takes minutes.
inline std::filesystem::path KillTestBase() {
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0
               ? std::filesystem::path("/dev/shm")
               : std::filesystem::path(testing::TempDir());
}

namespace killdetail {

// Runs `save` in a child process and kills it `delayNs` after it starts (never
// when negative). Returns the child's wait status and, when it was not killed,
// the save's own length in `savedNs`; nothing when no child could be started (the
// test has failed then). Only the child is ever signalled.
inline std::optional<int> RunChild(const std::function<bool()>& save, std::int64_t delayNs,
                                   std::int64_t* savedNs = nullptr) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) {
        ADD_FAILURE() << "pipe() failed: " << std::strerror(errno);
        return std::nullopt;
    }
    const pid_t pid = ::fork();
    if (pid < 0) {
        ADD_FAILURE() << "fork() failed: " << std::strerror(errno);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return std::nullopt;
    }
    if (pid == 0) {
        ::close(pipeFds[0]);
        const char mark = 1;
        (void)!::write(pipeFds[1], &mark, 1);  // starting
        const bool ok = save();
        (void)!::write(pipeFds[1], &mark, 1);  // done
        ::_exit(ok ? 0 : 1);                   // no exit handlers: the parent owns them
    }
    ::close(pipeFds[1]);
    char mark = 0;
    (void)!::read(pipeFds[0], &mark, 1);
    const auto start = std::chrono::steady_clock::now();
    if (delayNs >= 0) {
        const timespec pause{static_cast<time_t>(delayNs / 1000000000),
                             static_cast<long>(delayNs % 1000000000)};
        ::nanosleep(&pause, nullptr);
        ::kill(pid, SIGKILL);  // pid > 0 here: the child, never a group or everyone
    } else if (::read(pipeFds[0], &mark, 1) == 1 && savedNs) {
        *savedNs = std::chrono::duration_cast<std::chrono::nanoseconds>(
                       std::chrono::steady_clock::now() - start)
                       .count();
    }
    ::close(pipeFds[0]);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

}  // namespace killdetail

// Kills a save with SIGKILL at `rounds` moments spread evenly over twice its length
// (a save running beside the kills takes longer than the one measured alone),
// and checks after each kill that every file it replaces holds its old or its
// new bytes. `make(round)` sets the round up from what the files hold then (a
// round starts from whatever the previous kill left, stale temporary files
// included, so every save also runs over the remains of the killed ones). One
// save running to its end comes first, to measure the length, and one last,
// which must succeed and leave every file new.
inline KillReport KillDuringSave(const std::function<SaveUnderTest(int round)>& make, int rounds) {
    KillReport report;
    // A whole save (mustFinish) must leave every file new; a killed one, each
    // file old or new.
    auto check = [&](const SaveUnderTest& round, bool mustFinish, std::optional<int> child) {
        if (!child) {
            report.faults.push_back("no child process could be started");
            return;
        }
        const int status = *child;
        const bool finished = WIFEXITED(status);
        if (finished && WEXITSTATUS(status) != 0)
            report.faults.push_back("a save failed");
        if (!finished && mustFinish)
            report.faults.push_back("a save did not finish");
        int before = 0, after = 0;
        for (const SavedFile& f : round.files) {
            const std::string now = ReadFile(f.path);
            if (now == f.after)
                ++after;
            else if (now == f.before)
                ++before;
            else
                report.faults.push_back(f.path + " holds neither its old nor its new bytes");
        }
        const int n = static_cast<int>(round.files.size());
        if (mustFinish) {
            if (after != n)
                report.faults.push_back("a whole save left a file unchanged");
            return;
        }
        report.killed += !finished;
        report.allBefore += before == n;
        report.allAfter += after == n;
        report.mixed += before > 0 && after > 0;
    };

    std::int64_t length = 0;
    const SaveUnderTest first = make(0);
    check(first, true, killdetail::RunChild(first.save, -1, &length));
    report.saveMs = static_cast<double>(length) / 1e6;
    if (!report.faults.empty())
        return report;  // without one whole save the kills would prove nothing
    for (int i = 0; i < rounds; ++i) {
        const SaveUnderTest round = make(i + 1);
        check(round, false, killdetail::RunChild(round.save, 2 * length * i / rounds));
    }
    const SaveUnderTest last = make(rounds + 1);
    check(last, true, killdetail::RunChild(last.save, -1));
    return report;
}

}  // namespace belvane::testutil
