#include "uilogic/CommandState.h"

#include "FrameTestSupport.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testing::FrameFixture;

TEST(CommandRules, GiveTheEnabledAndCheckedState) {
    const auto state = [](bool selected, bool statement, bool backup, bool bars) {
        CommandState s;
        s.lineSelected = selected;
        s.statementMode = statement;
        s.backup = backup;
        s.toolbarVisible = s.statusBarVisible = bars;
        return s;
    };
    const struct {
        int command;
        CommandState state;
        CommandUi expected;  // enabled, checked
    } cases[] = {
        {cmd::kDeleteLine, state(false, false, false, true), {false, false}},
        {cmd::kDeleteLine, state(true, false, false, true), {true, false}},
        {cmd::kCorrectLine, state(false, false, false, true), {false, false}},
        {cmd::kCorrectLine, state(true, false, false, true), {true, false}},
        {cmd::kNewLine, state(false, false, false, true), {true, false}},
        {cmd::kStatementMode, state(false, true, false, true), {true, true}},
        {cmd::kStatementMode, state(true, false, true, true), {true, false}},
        {cmd::kBackupToggle, state(false, false, true, true), {true, true}},
        {cmd::kBackupToggle, state(false, true, false, true), {true, false}},
        {cmd::kViewToolbar, state(false, false, false, false), {true, false}},
        {cmd::kViewStatusBar, state(false, false, false, true), {true, true}},
        {cmd::kFileSave, state(true, true, true, true), {true, false}},
        {cmd::kFileMruLast, state(false, false, false, true), {true, false}},
        {cmd::kFileMruLast + 1, state(false, false, false, true), {false, false}},
        {cmd::kFilePrint, state(true, false, false, true), {false, false}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateCommand(c.command, c.state), c.expected) << c.command;
}

// --- the same rules on the frame's actions ------------------------------------

class FrameEnabling : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 3; ++i)
            f.doc.AddLine(testing::TestLine({2024, 2, 1 + i}, -500));
        f.doc.SetModifiedFlag(false);
        f.Make();
        f.frame->resize(800, 500);
        f.frame->show();
    }

    // Every action of `command` in the context menu.
    QList<QAction*> ContextActions(int command) const {
        QList<QAction*> found;
        for (QAction* a : f.frame->ContextMenu()->actions())
            if (a->objectName() == QString::number(command))
                found << a;
        return found;
    }

    FrameFixture f;
};

TEST_F(FrameEnabling, CorrectAndDeleteFollowTheActivePanesSelection) {
    QAction* del = f.frame->Action(cmd::kDeleteLine);
    QAction* correct = f.frame->Action(cmd::kCorrectLine);
    ASSERT_NE(del, nullptr);
    ASSERT_NE(correct, nullptr);
    EXPECT_FALSE(del->isEnabled());
    EXPECT_FALSE(correct->isEnabled());

    f.frame->ActiveView()->SelectAndShow(1);
    EXPECT_TRUE(del->isEnabled());
    EXPECT_TRUE(correct->isEnabled());
    ASSERT_FALSE(ContextActions(cmd::kDeleteLine).isEmpty());
    for (QAction* a : ContextActions(cmd::kDeleteLine))
        EXPECT_TRUE(a->isEnabled());
    // The toolbar button is the same action.
    EXPECT_TRUE(f.frame->ToolBar()->actions().contains(del));

    // After a delete the selection stays at its place, on the next line.
    del->trigger();
    EXPECT_EQ(f.doc.GetLineCount(), 2);
    EXPECT_TRUE(del->isEnabled());

    // Space deselects: both go grey again, in every menu.
    QTest::keyClick(f.frame->ActiveView(), Qt::Key_Space);
    ASSERT_EQ(f.frame->ActiveView()->SelectedLine(), -1);
    EXPECT_FALSE(del->isEnabled());
    for (QAction* a : ContextActions(cmd::kDeleteLine))
        EXPECT_FALSE(a->isEnabled());
}

TEST_F(FrameEnabling, ANewRegisterLeavesNothingSelected) {
    f.frame->ActiveView()->SelectAndShow(0);
    ASSERT_TRUE(f.frame->Action(cmd::kDeleteLine)->isEnabled());
    f.frame->RunCommand(cmd::kFileNew);
    EXPECT_FALSE(f.frame->Action(cmd::kDeleteLine)->isEnabled());
}

TEST_F(FrameEnabling, DisabledCommandsDoNothingWhenAskedDirectly) {
    // No selection: a delete request (say, from the keyboard) is ignored.
    f.frame->RunCommand(cmd::kDeleteLine);
    EXPECT_EQ(f.doc.GetLineCount(), 3);
    EXPECT_FALSE(f.doc.IsModified());
}

TEST_F(FrameEnabling, BackupToggleIsCheckedWithTheFlagAndShowsItsPane) {
    QAction* toggle = f.frame->Action(cmd::kBackupToggle);
    ASSERT_NE(toggle, nullptr);
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_TRUE(f.frame->Pane(59144)->text().isEmpty());
    toggle->trigger();
    EXPECT_TRUE(f.doc.GetBackup());
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ(f.frame->Pane(59144)->text(), QStringLiteral("BACKUP"));
    toggle->trigger();
    EXPECT_FALSE(f.doc.GetBackup());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_TRUE(f.frame->Pane(59144)->text().isEmpty());
}

TEST_F(FrameEnabling, ToolbarAndStatusBarToggleAndShowTheirCheck) {
    QAction* toolbar = f.frame->Action(cmd::kViewToolbar);
    QAction* status = f.frame->Action(cmd::kViewStatusBar);
    EXPECT_TRUE(toolbar->isChecked());
    toolbar->trigger();
    EXPECT_TRUE(f.frame->ToolBar()->isHidden());
    EXPECT_FALSE(toolbar->isChecked());
    status->trigger();
    EXPECT_TRUE(f.frame->statusBar()->isHidden());
    EXPECT_FALSE(status->isChecked());
    toolbar->trigger();
    status->trigger();
    EXPECT_FALSE(f.frame->ToolBar()->isHidden());
    EXPECT_FALSE(f.frame->statusBar()->isHidden());
}

}  // namespace
}  // namespace belvane
