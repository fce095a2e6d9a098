// The window's questions when another window holds the register, another program
// changed its file, or a killed run left changes; the rules are tested without Qt
// (RegisterLockTest, FileIdentityTest, RecoveryTest).
#include "FrameTestSupport.h"
#include "app/CBelvaneApp.h"
#include "core/SafeFile.h"
#include "gui/support/CResources.h"
#include "gui/window/RecoveryKeeper.h"
#include "maintenance/RecoveryFiles.h"
#include "maintenance/RegisterLock.h"
#include "uilogic/CommandIds.h"

#include <QDateTime>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <chrono>
#include <iostream>
#include <thread>

namespace belvane {
namespace {

using Answer = IMessageBox::Answer;

class RegisterSafety : public ::testing::Test {
protected:
    void SetUp() override {
        path = testing::WriteRegister(dir.filePath("compte.blv"), 3);
        f.Make();
    }
    bool Enabled(int command) const { return f.frame->Action(command)->isEnabled(); }
    LockState Lock(const QString& file) const { return ReadLock(ToStd(file)).state; }

    QTemporaryDir dir;
    QString path;
    testing::FrameFixture f;
    testing::ScriptedMessageBox box;
};

TEST_F(RegisterSafety, ARegisterOpenElsewhereIsOpenedReadOnlyAnywayOrNot) {
    // A lock left by a process that is gone is taken over without a word, and
    // goes when the window leaves the register.
    LockInfo gone = ThisProcess();
    gone.pid = 2147483000;
    testing::WriteBytes(FromStd(LockPathOf(ToStd(path))),
                        QByteArray::fromStdString(LockText(gone)));
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(Lock(path), LockState::Held);
    ASSERT_TRUE(f.frame->Files().NewDocument());
    EXPECT_EQ(Lock(path), LockState::Free);

    RegisterLock other;  // another program's lock, in the form the window's takes
    ASSERT_TRUE(other.Acquire(ToStd(path)));
    box.Choice(-1);
    EXPECT_FALSE(f.frame->Files().OpenDocument(path));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.startsWith(CResources::Str(10142).section(u'%', 0, 0)));
    EXPECT_EQ(box.choices[0], QStringList({CResources::Str(10143), CResources::Str(10144)}));
    EXPECT_EQ(f.doc.GetLineCount(), 0);

    box.Choice(0);
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    EXPECT_TRUE(f.frame->Files().IsReadOnly());
    EXPECT_TRUE(f.frame->windowTitle().startsWith(QStringLiteral("compte.blv (lecture seule)")));
    for (const int command : {cmd::kNewLine, cmd::kFileSave, cmd::kPurge, cmd::kEditUndo})
        EXPECT_FALSE(Enabled(command)) << command;
    EXPECT_TRUE(Enabled(cmd::kFileSaveAs));
    // Saved under another name, the copy is the window's own to change.
    const QString copy = dir.filePath("copie.blv");
    f.modal.paths << copy;
    f.frame->RunCommand(cmd::kFileSaveAs);
    EXPECT_FALSE(f.frame->Files().IsReadOnly());
    EXPECT_TRUE(Enabled(cmd::kNewLine));
    EXPECT_EQ(Lock(copy), LockState::Held);

    box.Choice(1);
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    EXPECT_FALSE(f.frame->Files().IsReadOnly());
    EXPECT_EQ(Lock(copy), LockState::Free);
    EXPECT_EQ(box.shown.size(), 3u);
}

TEST_F(RegisterSafety, AFileChangedByAnotherProgramIsReplacedOnlyWhenTheUserSaysSo) {
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    f.doc.AddLine(testing::TestLine({2024, 2, 1}, -500));
    CBelvaneDoc other;  // another program adds a line of its own and saves
    ASSERT_TRUE(other.OnOpenDocument(ToStd(path)).status.ok());
    other.AddLine(testing::TestLine({2024, 2, 2}, -700));
    ASSERT_TRUE(other.OnSaveDocument(ToStd(path)).ok());
    const QByteArray theirs = testing::ReadBytes(path);

    box.Answer(Answer::No);  // then no other file is chosen
    EXPECT_FALSE(f.frame->Files().SaveDocument());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, CResources::Str(10146));
    EXPECT_EQ(box.shown[0].buttons, IMessageBox::Buttons::YesNoDefaultNo);
    EXPECT_EQ(f.modal.asked.size(), 1u) << "Enregistrer sous is offered";
    EXPECT_EQ(testing::ReadBytes(path), theirs);

    box.Answer(Answer::Yes);
    EXPECT_TRUE(f.frame->Files().SaveDocument());
    EXPECT_NE(testing::ReadBytes(path), theirs);
    f.doc.AddLine(testing::TestLine({2024, 2, 3}, -900));
    EXPECT_TRUE(f.frame->Files().SaveDocument());
    EXPECT_EQ(box.shown.size(), 2u) << "its own save is no change by another";
}

// A process id no process has: the run that left a recovery file is gone.
constexpr long long kGone = 2147483000;

// Leaves, as a killed run would, the register at `path` with `more` lines more
// in a recovery file; returns the file.
QString LeaveChanges(const QString& path, int more, bool damaged = false) {
    CBelvaneDoc left;
    EXPECT_TRUE(left.OnOpenDocument(ToStd(path)).status.ok());
    for (int i = 0; i < more; ++i)
        left.AddLine(testing::TestLine({2024, 3, 1 + i}, -100));
    QByteArray bytes = QByteArray::fromStdString(left.SaveToBytes());
    if (damaged)
        bytes.chop(bytes.size() / 2);
    const QString folder = RecoveryKeeper::Folder();
    QDir().mkpath(folder);
    const QString file = testing::WriteBytes(
        folder + "/" + FromStd(RecoveryFileName(NormalPath(ToStd(path)), kGone)), bytes);
    // Written after the register's file, as a run writes it seconds after a change.
    QFile f(file);
    f.open(QIODevice::ReadWrite);
    f.setFileTime(QDateTime::currentDateTime().addSecs(2), QFileDevice::FileModificationTime);
    return file;
}

TEST_F(RegisterSafety, ChangesARunLeftAreOfferedBeforeTheRegisterShows) {
    const QByteArray onDisk = testing::ReadBytes(path);
    const QString left = LeaveChanges(path, 2);
    box.Answer(Answer::Yes);
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.startsWith(CResources::Str(10140).section(u'(', 0, 0)));
    EXPECT_EQ(f.doc.GetLineCount(), 5);
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_EQ(testing::ReadBytes(path), onDisk) << "nothing written until the user saves";
    EXPECT_FALSE(QFile::exists(left)) << "the window's own now";
    // Saved, the changes need no file any more.
    ASSERT_TRUE(f.frame->Files().SaveDocument());
    QTRY_VERIFY(QDir(RecoveryKeeper::Folder()).entryList(QDir::Files).isEmpty());

    // Non: the register as saved, the changes set aside.
    ASSERT_TRUE(f.frame->Files().NewDocument());
    const QString refused = LeaveChanges(path, 1);
    box.Answer(Answer::No);
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    EXPECT_EQ(f.doc.GetLineCount(), 5);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_TRUE(QFile::exists(FromStd(AsideFolder(ToStd(RecoveryKeeper::Folder()))) + "/" +
                              QFileInfo(refused).fileName()));
    QDir(RecoveryKeeper::Folder()).removeRecursively();
}

TEST_F(RegisterSafety, ADamagedRecoveryFileIsRefusedAndTheRegisterOpens) {
    const QString left = LeaveChanges(path, 2, true);
    box.Answer(Answer::Yes);
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    ASSERT_EQ(box.shown.size(), 2u);
    EXPECT_EQ(box.shown[1].text, CResources::Str(61704).arg(left));
    EXPECT_EQ(f.doc.GetLineCount(), 3);
    EXPECT_FALSE(f.doc.IsModified());
    EXPECT_FALSE(QFile::exists(left)) << "set aside";
    QDir(RecoveryKeeper::Folder()).removeRecursively();
}

// A window holding unsaved changes is killed (SIGKILL, no chance to save)
// after the time its recovery file is written in: the next start on the
// register offers every line it held.
TEST(RecoveryAfterKill, TheNextStartOffersEveryUnsavedLine) {
    QTemporaryDir dir;
    const QString reg = testing::WriteRegister(dir.filePath("compte.blv"), 3);
    const QString folder = dir.filePath("recovery");
    constexpr int kLines = 2000;
    QProcess child;
    child.start(QStringLiteral(BELVANE_RECOVERY_CHILD), {reg, folder, QString::number(kLines)});
    // Its changes made, the child says so; 5 seconds later they must be on disk.
    const bool changed =
        child.waitForReadyRead(60000) && child.readAllStandardOutput().startsWith("changed");
    if (changed)
        std::this_thread::sleep_for(std::chrono::milliseconds(5500));
    child.kill();  // SIGKILL
    child.waitForFinished();
    ASSERT_TRUE(changed);

    CMemorySettings settings;
    CBelvaneApp app(settings, QString(), {});
    testing::ScriptedMessageBox box;
    box.Answer(Answer::Yes);
    const QString testsFolder = RecoveryKeeper::Folder();
    RecoveryKeeper::SetFolder(folder);
    StartupArguments start;
    start.file = ToStd(reg);
    const bool started = app.Start(start);
    RecoveryKeeper::SetFolder(testsFolder);
    ASSERT_TRUE(started);
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.startsWith(CResources::Str(10140).section(u'(', 0, 0)));
    const int recovered = app.Document()->GetLineCount() - 3;
    EXPECT_EQ(recovered, kLines);
    std::cout << "lines recovered after the kill: " << recovered << " of " << kLines << "\n";
    app.Document()->SetModifiedFlag(false);
    app.Exit();
}

}  // namespace
}  // namespace belvane
