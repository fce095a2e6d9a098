// A purge killed at any moment of its two saves leaves each file old or new,
// and never the register without the moved lines while the archive lacks them.
#include "KillDuringSave.h"
#include "RecordBuilders.h"
#include "ScratchDir.h"
#include "core/CBelvaneDoc.h"
#include "maintenance/PurgeSession.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>

namespace belvane {
namespace {

TEST(PurgeKill, ArchiveAndRegisterAreOldOrNewAndNeverLoseALine) {
    testutil::ScratchDir dir(testutil::KillTestBase());
    const std::string registerPath = dir.File("compte.blv");
    const std::string archivePath = dir.File("archive.blv");
    const DayDate limit = ToDayDate(2020, 12, 31);
    {
        CBelvaneDoc doc;
        for (int i = 0; i < 20'000; ++i) {
            const DayDate issue = ToDayDate(2015 + i / 2'000, 1 + i % 12, 1 + i % 28);
            doc.AddLine(testutil::MakeLine(issue, i % 3 != 0 ? issue : 0, issue,
                                           (i % 2 ? 1 : -1) * (100 + i % 900), "", "CB", "Maison",
                                           "", "", "ligne " + std::to_string(i)));
        }
        ASSERT_TRUE(doc.OnSaveDocument(registerPath).ok());
        CBelvaneDoc archive;
        ASSERT_TRUE(archive.OnSaveDocument(archivePath).ok());
    }
    const std::string oldRegister = testutil::ReadFile(registerPath);
    const std::string oldArchive = testutil::ReadFile(archivePath);
    auto purge = [&] {
        CBelvaneDoc doc;
        return doc.OnOpenDocument(registerPath).status.ok() &&
               PurgeAndSave(doc, archivePath, limit).end == PurgeOutcome::End::Done;
    };
    ASSERT_TRUE(purge());
    const std::string newRegister = testutil::ReadFile(registerPath);
    const std::string newArchive = testutil::ReadFile(archivePath);
    ASSERT_NE(newRegister, oldRegister);
    ASSERT_NE(newArchive, oldArchive);

    // Each round starts again from the old files, after looking at what the
    // previous kill left: the register may only be new once the archive is.
    int lost = 0;
    const auto report = testutil::KillDuringSave(
        [&](int) {
            if (testutil::ReadFile(registerPath) == newRegister &&
                testutil::ReadFile(archivePath) == oldArchive)
                ++lost;
            testutil::WriteFile(registerPath, oldRegister);
            testutil::WriteFile(archivePath, oldArchive);
            return testutil::SaveUnderTest{
                {{registerPath, oldRegister, newRegister}, {archivePath, oldArchive, newArchive}},
                purge};
        },
        200);

    std::cout << "purge: " << report.saveMs << " ms; " << report.killed << " of 200 killed, "
              << report.allBefore << " old, " << report.mixed << " archive only, "
              << report.allAfter << " new\n";
    EXPECT_TRUE(report.faults.empty()) << report.faults.front();
    EXPECT_EQ(lost, 0);
    EXPECT_GT(report.allBefore, 0);
    EXPECT_GT(report.allAfter, 0);
}

}  // namespace
}  // namespace belvane
