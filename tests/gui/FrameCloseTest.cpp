// Closing the main window: the backup of the listed files, then the window's
// place for the next start. The rules themselves are tested without Qt
// (BackupExitTest, BackupKillTest, FramePlacementTest).
#include "FrameTestSupport.h"
#include "gui/support/CResources.h"
#include "uilogic/CommandIds.h"
#include "uilogic/FramePlacement.h"

#include <QDir>
#include <QTest>

namespace belvane {
namespace {

TEST(BackupAtClose, AFailedCopyOrCancelKeepsTheWindowAndYesCopiesAndCloses) {
    QTemporaryDir dir;
    const QString copy = dir.filePath("copies/compte.blv");  // no folder yet: the copy fails
    const QString path = testing::WriteRegister(dir.filePath("compte.blv"), 3);
    testing::FrameFixture f;
    testing::ScriptedMessageBox box;
    f.settings.WriteString("Settings", "BackupDir", ToStd(dir.filePath("copies/")));
    f.Make();
    f.frame->show();
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    // Marked for backup and saved: the file enters the list.
    f.frame->RunCommand(cmd::kBackupToggle);
    f.frame->RunCommand(cmd::kFileSave);
    ASSERT_EQ(f.settings.GetInt("BackupFiles", "NbrFiles", 0), 1);

    box.Answer(IMessageBox::Answer::Yes);
    EXPECT_FALSE(f.frame->close());
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[0].text, CResources::Str(10027));
    EXPECT_EQ(box.shown[1].text, CResources::Str(10028));
    EXPECT_EQ(box.shown[1].icon, IMessageBox::Icon::Warning);
    box.Answer(IMessageBox::Answer::Cancel);
    EXPECT_FALSE(f.frame->close());
    EXPECT_EQ(box.shown.size(), 3u);
    // The position is stored only by a close that happens.
    EXPECT_FALSE(f.settings.Contains("Settings", "CmdShow"));
    // Yes copies the file over the older copy and closes.
    ASSERT_TRUE(QDir().mkpath(dir.filePath("copies")));
    testing::WriteBytes(copy, "an older copy");
    box.Answer(IMessageBox::Answer::Yes);
    EXPECT_TRUE(f.frame->close());
    EXPECT_EQ(testing::ReadBytes(copy), testing::ReadBytes(path));
}

TEST(FramePosition, ClosingStoresThePlaceTheNextFrameOpensAt) {
    testing::FrameFixture f;
    f.Make();
    f.frame->setGeometry(120, 80, 640, 400);
    f.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    f.frame->setGeometry(130, 90, 700, 450);
    ASSERT_TRUE(f.frame->close());
    EXPECT_EQ(f.settings.GetInt("Settings", "CmdShow", 0), 1);
    EXPECT_EQ(FramePlacement::Saved(f.settings), (WindowRect{130, 90, 700, 450}));

    f.Make();  // the next frame opens there, and closed maximized keeps it
    EXPECT_EQ(f.frame->geometry(), QRect(130, 90, 700, 450));
    f.frame->show();
    f.frame->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.frame->isMaximized(); }));
    ASSERT_TRUE(f.frame->close());
    EXPECT_EQ(f.settings.GetInt("Settings", "CmdShow", 0), 3);
    EXPECT_EQ(FramePlacement::Saved(f.settings), (WindowRect{130, 90, 700, 450}));
}

}  // namespace
}  // namespace belvane
