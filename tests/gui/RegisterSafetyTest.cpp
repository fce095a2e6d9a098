// The window's questions about a register others may hold or change: another
// window has it open, another program changed its file. The rules are tested
// without Qt (RegisterLockTest, FileIdentityTest).
#include "FrameTestSupport.h"
#include "gui/support/CResources.h"
#include "maintenance/RegisterLock.h"
#include "uilogic/CommandIds.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testing::FrameFixture;
using testing::ScriptedMessageBox;
using Answer = IMessageBox::Answer;

class RegisterSafety : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        path = testing::WriteRegister(dir.filePath("compte.blv"), 3);
        f.Make();
    }
    bool Enabled(int command) const { return f.frame->Action(command)->isEnabled(); }
    LockState Lock(const QString& file) const { return ReadLock(ToStd(file)).state; }

    QTemporaryDir dir;
    QString path;
    FrameFixture f;
    ScriptedMessageBox box;
};

TEST_F(RegisterSafety, ARegisterOpenElsewhereIsOpenedReadOnlyAnywayOrNot) {
    // A lock left by a process that is gone is taken over without a word, and
    // goes when the window leaves the register.
    LockInfo gone = ThisProcess();
    gone.pid = 2147483000;
    testing::WriteBytes(FromStd(LockPathOf(ToStd(path))),
                        QByteArray::fromStdString(LockText(gone)));
    ASSERT_TRUE(f.frame->OpenDocument(path));
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(Lock(path), LockState::Held);
    ASSERT_TRUE(f.frame->NewDocument());
    EXPECT_EQ(Lock(path), LockState::Free);

    RegisterLock other;  // another program's lock, in the form the window's takes
    ASSERT_TRUE(other.Acquire(ToStd(path)));
    box.Choice(-1);
    EXPECT_FALSE(f.frame->OpenDocument(path));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_TRUE(box.shown[0].text.startsWith(CResources::Str(10142).section(u'%', 0, 0)));
    EXPECT_EQ(box.choices[0], QStringList({CResources::Str(10143), CResources::Str(10144)}));
    EXPECT_EQ(f.doc.GetLineCount(), 0);

    box.Choice(0);
    ASSERT_TRUE(f.frame->OpenDocument(path));
    EXPECT_TRUE(f.frame->IsReadOnly());
    EXPECT_TRUE(f.frame->windowTitle().startsWith(QStringLiteral("compte.blv (lecture seule)")));
    for (const int command : {cmd::kNewLine, cmd::kFileSave, cmd::kPurge, cmd::kEditUndo})
        EXPECT_FALSE(Enabled(command)) << command;
    EXPECT_TRUE(Enabled(cmd::kFileSaveAs));
    // Saved under another name, the copy is the window's own to change.
    const QString copy = dir.filePath("copie.blv");
    f.modal.paths << copy;
    f.frame->RunCommand(cmd::kFileSaveAs);
    EXPECT_FALSE(f.frame->IsReadOnly());
    EXPECT_TRUE(Enabled(cmd::kNewLine));
    EXPECT_EQ(Lock(copy), LockState::Held);

    box.Choice(1);
    ASSERT_TRUE(f.frame->OpenDocument(path));
    EXPECT_FALSE(f.frame->IsReadOnly());
    EXPECT_TRUE(Enabled(cmd::kNewLine));
    EXPECT_EQ(Lock(copy), LockState::Free);
    EXPECT_EQ(box.shown.size(), 3u);
}

TEST_F(RegisterSafety, AFileChangedByAnotherProgramIsReplacedOnlyWhenTheUserSaysSo) {
    ASSERT_TRUE(f.frame->OpenDocument(path));
    f.doc.AddLine(testing::TestLine({2024, 2, 1}, -500));
    CBelvaneDoc other;  // another program adds a line of its own and saves
    ASSERT_TRUE(other.OnOpenDocument(ToStd(path)).status.ok());
    other.AddLine(testing::TestLine({2024, 2, 2}, -700));
    ASSERT_TRUE(other.OnSaveDocument(ToStd(path)).ok());
    const QByteArray theirs = testing::ReadBytes(path);

    box.Answer(Answer::No);  // then no other file is chosen
    EXPECT_FALSE(f.frame->SaveDocument());
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, CResources::Str(10146));
    EXPECT_EQ(box.shown[0].buttons, IMessageBox::Buttons::YesNoDefaultNo);
    EXPECT_EQ(f.modal.asked.size(), 1u) << "Enregistrer sous is offered";
    EXPECT_EQ(testing::ReadBytes(path), theirs);

    box.Answer(Answer::Yes);
    EXPECT_TRUE(f.frame->SaveDocument());
    EXPECT_NE(testing::ReadBytes(path), theirs);
    f.doc.AddLine(testing::TestLine({2024, 2, 3}, -900));
    EXPECT_TRUE(f.frame->SaveDocument());
    EXPECT_EQ(box.shown.size(), 2u) << "its own save is no change by another";
}

}  // namespace
}  // namespace belvane
