// The backup at exit killed at any moment leaves the previous backup copy or the
// new one, never a half-written copy, and nothing that stops the next backup.
#include "KillDuringSave.h"
#include "ScratchDir.h"
#include "core/SettingsStore.h"
#include "maintenance/BackupCopy.h"
#include "maintenance/BackupExit.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace belvane {
namespace {

TEST(BackupKill, BackupCopyIsOldOrNewAfterEveryKill) {
    testutil::ScratchDir dir(testutil::KillTestBase());
    const std::string sources[2] = {dir.File("a.blv"), dir.File("b.blv")};
    const std::string bytes[2] = {std::string(4'000'000, 'a') + "end a",
                                  std::string(4'000'000, 'b') + "end b"};
    testutil::WriteFile(sources[0], bytes[0]);
    testutil::WriteFile(sources[1], bytes[1]);
    const std::string copy = dir.File("backup.blv");
    testutil::WriteFile(copy, bytes[0]);

    // Each round backs up the file the copy does not hold.
    const auto report = testutil::KillDuringSave(
        [&](int) {
            const int next = testutil::ReadFile(copy) == bytes[0] ? 1 : 0;
            auto backup = [source = sources[next], copy] {
                CMemorySettings settings;
                settings.WriteInt("Settings", "BackupNoConfirm", 1);
                settings.WriteInt("BackupFiles", "NbrFiles", 1);
                settings.WriteString("BackupFiles", "SourceName0", source);
                settings.WriteString("BackupFiles", "DestinationName0", copy);
                return RunBackupAtExit(
                    settings,
                    [](const std::string& from, const std::string& to) {
                        return CopyForBackup(from, to).ok();
                    },
                    [] { return BackupAnswer::Yes; });
            };
            return testutil::SaveUnderTest{{{copy, bytes[1 - next], bytes[next]}}, backup};
        },
        200);

    std::cout << "backup copy: " << report.saveMs << " ms; " << report.killed << " of 200 killed, "
              << report.allBefore << " old, " << report.allAfter << " new\n";
    EXPECT_TRUE(report.faults.empty()) << report.faults.front();
    EXPECT_GT(report.allBefore, 0);
    EXPECT_GT(report.allAfter, 0);
}

}  // namespace
}  // namespace belvane
