// Whose a register's lock file is, and the tool's own lock.
#include "maintenance/RegisterLock.h"

#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace belvane {
namespace {

TEST(RegisterLock, TellsAHeldLockFromAStaleOne) {
    const LockInfo here{100, "belvane", "pc", "m1", "b1"};
    const std::string mine = "200\nbelvane\npc\nm1\nb1\n";
    struct Case {
        const char* what;
        std::string text;
        std::map<long long, std::string> running;  // process id: its program
        LockState expected;
    };
    const Case cases[] = {
        {"running here", mine, {{200, "belvane"}}, LockState::Held},
        {"its process gone", mine, {}, LockState::Stale},
        {"its id taken by another program", mine, {{200, "bash"}}, LockState::Stale},
        {"a process whose program cannot be told", mine, {{200, ""}}, LockState::Held},
        {"taken before the machine started", "200\nbelvane\npc\nm1\nb0\n", {}, LockState::Stale},
        {"another host", "200\nbelvane\npc2\nm1\nb1\n", {}, LockState::Held},
        {"another machine of the same name", "200\nbelvane\npc\nm2\nb0\n", {}, LockState::Held},
        {"an older form without ids, process gone", "200\nbelvane\npc\n", {}, LockState::Stale},
        {"an id alone, running", "200\n", {{200, "belvane"}}, LockState::Held},
        {"empty", "", {}, LockState::Held},
        {"no process id", "belvane\npc\n", {}, LockState::Held},
    };
    for (const Case& c : cases) {
        const auto programOf = [&c](long long pid) -> std::optional<std::string> {
            const auto it = c.running.find(pid);
            return it == c.running.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
        EXPECT_EQ(JudgeLock(ParseLockInfo(c.text), here, programOf), c.expected) << c.what;
    }
}

// The tool's lock: one holder at a time, the lock of a process gone taken over.
TEST(RegisterLock, TakenOnceAndTakenOverWhenStale) {
    const testutil::ScratchDir dir;
    const std::string reg = dir.File("compte.blv");
    const std::string lockFile = dir.File(".compte.blv.lock");
    EXPECT_EQ(LockPathOf(reg), lockFile);
    {
        RegisterLock first, second;
        ASSERT_TRUE(first.Acquire(reg));
        EXPECT_EQ(testutil::ReadFile(lockFile), LockText(ThisProcess()));
        LockReading holder;
        EXPECT_FALSE(second.Acquire(reg, &holder));
        EXPECT_EQ(holder.state, LockState::Held);
        EXPECT_EQ(holder.info->pid, ThisProcess().pid);
        EXPECT_FALSE(holder.user.empty());
    }
    EXPECT_EQ(ReadLock(reg).state, LockState::Free) << "released with its holder";

    LockInfo gone = ThisProcess();
    gone.pid = 2147483000;  // beyond any process id of the machine
    testutil::WriteFile(lockFile, LockText(gone));
    EXPECT_EQ(ReadLock(reg).state, LockState::Stale);
    RegisterLock taker;
    EXPECT_TRUE(taker.Acquire(reg));
    EXPECT_EQ(ParseLockInfo(testutil::ReadFile(lockFile))->pid, ThisProcess().pid);
}

}  // namespace
}  // namespace belvane
