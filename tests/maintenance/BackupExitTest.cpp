#include "maintenance/BackupExit.h"

#include "ScratchDir.h"
#include "core/SettingsStore.h"
#include "maintenance/BackupCopy.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace belvane {
namespace {

// A failure names the side that failed and leaves the earlier copy as it was
// (the copy replacing the previous one whole is the kill test's).
TEST(BackupCopy, NamesWhatFailedAndLeavesTheEarlierCopy) {
    testutil::ScratchDir dir;
    const std::string source = dir.File("a.blv"), copy = dir.File("b.blv");
    testutil::WriteFile(source, "new contents");
    testutil::WriteFile(copy, "old");
    const Status missing = CopyForBackup(dir.File("missing.blv"), copy);
    EXPECT_EQ(missing.code(), Status::Code::CannotOpen);
    EXPECT_EQ(missing.file(), dir.File("missing.blv"));
    EXPECT_EQ(testutil::ReadFile(copy), "old");
    const Status nowhere = CopyForBackup(source, dir.File("no/such/dir/c.blv"));
    EXPECT_EQ(nowhere.code(), Status::Code::CannotWrite);
    EXPECT_EQ(nowhere.file(), dir.File("no/such/dir/c.blv"));
    // A copy onto the file itself leaves it whole.
    EXPECT_TRUE(CopyForBackup(source, source).ok());
    EXPECT_EQ(testutil::ReadFile(source), "new contents");
}

struct ExitCase {
    int nbrFiles;         // NbrFiles as stored
    int listed;           // entries actually written (SourceName/DestinationName)
    bool noConfirm;       // BackupNoConfirm
    BackupAnswer answer;  // the user's answer when asked
    int failAt;           // index of the copy that fails, -1 for none
    bool closes, asked;
    int copies;  // copies attempted
    bool emptied;
};

TEST(BackupAtExit, FollowsTheAnswerAndTheList) {
    using A = BackupAnswer;
    const ExitCase cases[] = {
        {2, 2, false, A::Yes, -1, true, true, 2, true},        // copies all, empties the list
        {2, 2, false, A::No, -1, true, true, 0, true},         // empties without copying
        {2, 2, false, A::Cancel, -1, false, true, 0, false},   // keeps window and list
        {2, 2, true, A::Cancel, -1, true, false, 2, true},     // no confirmation asked
        {0, 0, false, A::Cancel, -1, true, false, 0, false},   // empty list: nothing asked
        {3, 3, false, A::Yes, 1, false, true, 2, false},       // a failed copy stops, list kept
        {0x10002, 2, false, A::Yes, -1, true, true, 2, true},  // only the low 16 bits count
        {1, 0, false, A::Yes, -1, true, true, 1, true},  // missing entries are copied as "nul"
    };
    int n = 0;
    for (const ExitCase& c : cases) {
        SCOPED_TRACE(n++);
        CMemorySettings settings;
        settings.WriteInt("BackupFiles", "NbrFiles", c.nbrFiles);
        for (int i = 0; i < c.listed; ++i) {
            settings.WriteString("BackupFiles", "SourceName" + std::to_string(i),
                                 "/reg/f" + std::to_string(i));
            settings.WriteString("BackupFiles", "DestinationName" + std::to_string(i),
                                 "/bak/f" + std::to_string(i));
        }
        if (c.noConfirm)
            settings.WriteInt("Settings", "BackupNoConfirm", 1);
        std::vector<std::pair<std::string, std::string>> copies;
        int asked = 0, reported = 0;
        const bool closes = RunBackupAtExit(
            settings,
            [&](const std::string& from, const std::string& to) {
                copies.emplace_back(from, to);
                return static_cast<int>(copies.size()) - 1 != c.failAt;
            },
            [&] { return ++asked, c.answer; }, [&] { ++reported; });
        EXPECT_EQ(closes, c.closes);
        EXPECT_EQ(asked, c.asked ? 1 : 0);
        ASSERT_EQ(static_cast<int>(copies.size()), c.copies);
        for (int i = 0; i < c.copies; ++i)
            EXPECT_EQ(copies[i], i < c.listed
                                     ? std::make_pair("/reg/f" + std::to_string(i),
                                                      "/bak/f" + std::to_string(i))
                                     : std::make_pair(std::string("nul"), std::string("nul")));
        EXPECT_EQ(reported, c.failAt >= 0 ? 1 : 0);
        EXPECT_EQ(settings.GetInt("BackupFiles", "NbrFiles", -1), c.emptied ? 0 : c.nbrFiles);
        for (int i = 0; i < c.listed; ++i) {
            EXPECT_NE(settings.Contains("BackupFiles", "SourceName" + std::to_string(i)),
                      c.emptied);
            EXPECT_NE(settings.Contains("BackupFiles", "DestinationName" + std::to_string(i)),
                      c.emptied);
        }
    }
}

}  // namespace
}  // namespace belvane
