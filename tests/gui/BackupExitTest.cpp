#include "maintenance/BackupExit.h"

#include "FrameTestSupport.h"
#include "gui/support/CResources.h"
#include "uilogic/CommandIds.h"

#include <QDir>

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testing::FrameFixture;
using testing::ScriptedMessageBox;

// --- the exit check on its own ----------------------------------------------

struct ExitCase {
    const char* name;
    int nbrFiles;         // NbrFiles as stored
    int listed;           // entries actually written (SourceName/DestinationName)
    bool noConfirm;       // BackupNoConfirm
    BackupAnswer answer;  // the user's answer when asked
    int failAt;           // index of the copy that fails, -1 for none
    bool expectClose;
    bool expectAsked;
    int expectCopies;  // copies attempted
    bool expectListEmptied;
};

void PrintTo(const ExitCase& c, std::ostream* os) {
    *os << c.name;
}

class BackupExitCheck : public ::testing::TestWithParam<ExitCase> {};

TEST_P(BackupExitCheck, FollowsTheAnswerAndTheList) {
    const ExitCase& c = GetParam();
    CMemorySettings settings;
    settings.WriteInt("BackupFiles", "NbrFiles", c.nbrFiles);
    for (int i = 0; i < c.listed; ++i) {
        settings.WriteString("BackupFiles", "SourceName" + std::to_string(i),
                             "/reg/f" + std::to_string(i) + ".blv");
        settings.WriteString("BackupFiles", "DestinationName" + std::to_string(i),
                             "/bak/f" + std::to_string(i) + ".blv");
    }
    if (c.noConfirm)
        settings.WriteInt("Settings", "BackupNoConfirm", 1);

    std::vector<std::pair<std::string, std::string>> copies;
    int asked = 0;
    int reported = 0;
    const bool mayClose = RunBackupAtExit(
        settings,
        [&](const std::string& from, const std::string& to) {
            copies.emplace_back(from, to);
            return static_cast<int>(copies.size()) - 1 != c.failAt;
        },
        [&] {
            ++asked;
            return c.answer;
        },
        [&] { ++reported; });

    EXPECT_EQ(mayClose, c.expectClose);
    EXPECT_EQ(asked, c.expectAsked ? 1 : 0);
    ASSERT_EQ(static_cast<int>(copies.size()), c.expectCopies);
    for (int i = 0; i < c.expectCopies && i < c.listed; ++i) {
        EXPECT_EQ(copies[i].first, "/reg/f" + std::to_string(i) + ".blv");
        EXPECT_EQ(copies[i].second, "/bak/f" + std::to_string(i) + ".blv");
    }
    EXPECT_EQ(reported, c.failAt >= 0 && c.failAt < c.expectCopies ? 1 : 0);
    if (c.expectListEmptied) {
        EXPECT_EQ(settings.GetInt("BackupFiles", "NbrFiles", -1), 0);
        for (int i = 0; i < c.listed; ++i) {
            EXPECT_FALSE(settings.Contains("BackupFiles", "SourceName" + std::to_string(i)));
            EXPECT_FALSE(settings.Contains("BackupFiles", "DestinationName" + std::to_string(i)));
        }
    } else {
        EXPECT_EQ(settings.GetInt("BackupFiles", "NbrFiles", -1), c.nbrFiles);
        for (int i = 0; i < c.listed; ++i)
            EXPECT_TRUE(settings.Contains("BackupFiles", "SourceName" + std::to_string(i)));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, BackupExitCheck,
    ::testing::Values(ExitCase{"YesCopiesEveryFileThenEmptiesTheList", 2, 2, false,
                               BackupAnswer::Yes, -1, true, true, 2, true},
                      ExitCase{"NoEmptiesTheListWithoutCopying", 2, 2, false, BackupAnswer::No, -1,
                               true, true, 0, true},
                      ExitCase{"CancelKeepsTheWindowAndTheList", 2, 2, false, BackupAnswer::Cancel,
                               -1, false, true, 0, false},
                      ExitCase{"NoConfirmCopiesWithoutAsking", 2, 2, true, BackupAnswer::Cancel, -1,
                               true, false, 2, true},
                      ExitCase{"EmptyListAsksNothing", 0, 0, false, BackupAnswer::Cancel, -1, true,
                               false, 0, false},
                      ExitCase{"EmptyListWithNoConfirmCopiesNothing", 0, 0, true, BackupAnswer::Yes,
                               -1, true, false, 0, false},
                      ExitCase{"FailedCopyStopsThereAndKeepsTheWholeList", 3, 3, false,
                               BackupAnswer::Yes, 1, false, true, 2, false},
                      ExitCase{"FirstCopyFailingKeepsTheList", 1, 1, true, BackupAnswer::Yes, 0,
                               false, false, 1, false},
                      ExitCase{"OnlyTheLow16BitsOfTheCountCount", 0x10000, 0, false,
                               BackupAnswer::Yes, -1, true, false, 0, false},
                      ExitCase{"HighBitsOfTheCountAreIgnored", 0x10002, 2, false, BackupAnswer::Yes,
                               -1, true, true, 2, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BackupExitCheck, MissingEntriesAreCopiedAsNul) {
    CMemorySettings settings;
    settings.WriteInt("BackupFiles", "NbrFiles", 1);
    std::vector<std::pair<std::string, std::string>> copies;
    EXPECT_TRUE(RunBackupAtExit(
        settings,
        [&](const std::string& from, const std::string& to) {
            copies.emplace_back(from, to);
            return true;
        },
        [] { return BackupAnswer::Yes; }));
    ASSERT_EQ(copies.size(), 1u);
    EXPECT_EQ(copies[0].first, "nul");
    EXPECT_EQ(copies[0].second, "nul");
}

// --- copying over an earlier copy --------------------------------------------

TEST(BackupCopy, OverwritesAnEarlierCopyAndRefusesAMissingSource) {
    QTemporaryDir dir;
    const QString source = testing::WriteBytes(dir.filePath("a.blv"), "new contents");
    const QString target = testing::WriteBytes(dir.filePath("b.blv"), "old");
    EXPECT_TRUE(CMainFrame::CopyFileOver(source, target));
    EXPECT_EQ(testing::ReadBytes(target), QByteArray("new contents"));
    EXPECT_FALSE(CMainFrame::CopyFileOver(dir.filePath("missing.blv"), target));
    EXPECT_EQ(testing::ReadBytes(target), QByteArray("new contents"));
    EXPECT_FALSE(CMainFrame::CopyFileOver(source, dir.filePath("no/such/dir/c.blv")));
    // A copy onto the file itself leaves it whole.
    EXPECT_TRUE(CMainFrame::CopyFileOver(source, source));
    EXPECT_EQ(testing::ReadBytes(source), QByteArray("new contents"));
}

// --- the backup when the main window closes ----------------------------------

class BackupAtClose : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        backupDir = dir.filePath("copies");
        ASSERT_TRUE(QDir().mkpath(backupDir));
        f.settings.WriteString("Settings", "BackupDir", (backupDir + "/").toStdString());
        path = testing::WriteRegister(dir.filePath("compte.blv"), 3);
        f.Make();
        f.frame->show();
        ASSERT_TRUE(f.frame->OpenDocument(path));
        // Marked for backup and saved: the file enters the list.
        f.frame->RunCommand(cmd::kBackupToggle);
        f.frame->RunCommand(cmd::kFileSave);
        ASSERT_EQ(f.settings.GetInt("BackupFiles", "NbrFiles", 0), 1);
    }

    QString Copy() const { return backupDir + "/compte.blv"; }

    QTemporaryDir dir;
    QString backupDir;
    QString path;
    FrameFixture f;
    ScriptedMessageBox box;
};

TEST_F(BackupAtClose, YesCopiesTheFileOverTheOldCopyAndCloses) {
    testing::WriteBytes(Copy(), "an older copy");
    box.Answer(IMessageBox::Answer::Yes);
    EXPECT_TRUE(f.frame->close());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, CResources::Str(10027));
    EXPECT_EQ(box.shown[0].icon, IMessageBox::Icon::Question);
    EXPECT_EQ(box.shown[0].buttons, IMessageBox::Buttons::YesNoCancel);
    EXPECT_EQ(testing::ReadBytes(Copy()), testing::ReadBytes(path));
    EXPECT_EQ(f.settings.GetInt("BackupFiles", "NbrFiles", -1), 0);
    EXPECT_FALSE(f.settings.Contains("BackupFiles", "SourceName0"));
}

TEST_F(BackupAtClose, NoEmptiesTheListWithoutCopying) {
    box.Answer(IMessageBox::Answer::No);
    EXPECT_TRUE(f.frame->close());
    EXPECT_FALSE(QFile::exists(Copy()));
    EXPECT_EQ(f.settings.GetInt("BackupFiles", "NbrFiles", -1), 0);
}

TEST_F(BackupAtClose, CancelKeepsTheWindowOpenAndTheList) {
    box.Answer(IMessageBox::Answer::Cancel);
    EXPECT_FALSE(f.frame->close());
    EXPECT_TRUE(f.frame->isVisible());
    EXPECT_FALSE(QFile::exists(Copy()));
    EXPECT_EQ(f.settings.GetInt("BackupFiles", "NbrFiles", -1), 1);
    // The position is stored only by a close that happens.
    EXPECT_FALSE(f.settings.Contains("Settings", "CmdShow"));
}

TEST_F(BackupAtClose, NoConfirmCopiesWithoutAQuestion) {
    f.settings.WriteInt("Settings", "BackupNoConfirm", 1);
    EXPECT_TRUE(f.frame->close());
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(testing::ReadBytes(Copy()), testing::ReadBytes(path));
}

TEST_F(BackupAtClose, AFailedCopyWarnsAndKeepsTheWindowAndTheList) {
    ASSERT_TRUE(QDir(backupDir).removeRecursively());
    box.Answer(IMessageBox::Answer::Yes);
    EXPECT_FALSE(f.frame->close());
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[1].text, CResources::Str(10028));
    EXPECT_EQ(box.shown[1].icon, IMessageBox::Icon::Warning);
    EXPECT_TRUE(f.frame->isVisible());
    EXPECT_EQ(f.settings.GetInt("BackupFiles", "NbrFiles", -1), 1);
    EXPECT_TRUE(f.settings.Contains("BackupFiles", "SourceName0"));
}

TEST_F(BackupAtClose, AnEmptyListAsksNothing) {
    f.settings.WriteInt("BackupFiles", "NbrFiles", 0);
    EXPECT_TRUE(f.frame->close());
    EXPECT_TRUE(box.shown.empty());
}

TEST_F(BackupAtClose, TogglingMarksTheRegisterSoClosingAsksToSaveFirst) {
    f.frame->RunCommand(cmd::kBackupToggle);  // off again: the register is modified
    ASSERT_TRUE(f.doc.IsModified());
    box.Answer(IMessageBox::Answer::No);  // do not save
    box.Answer(IMessageBox::Answer::No);  // no backup
    EXPECT_TRUE(f.frame->close());
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text, CResources::Str(61699).arg("compte.blv"));
    EXPECT_EQ(box.shown[1].text, CResources::Str(10027));
}

}  // namespace
}  // namespace belvane
