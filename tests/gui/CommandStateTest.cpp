#include "window/CommandState.h"

#include "FrameTestSupport.h"
#include "window/CBelvaneView.h"
#include "window/CommandIds.h"

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

struct RuleCase {
    const char* name;
    int command;
    CommandState state;
    CommandUi expected;
};

void PrintTo(const RuleCase& c, std::ostream* os) {
    *os << c.name;
}

CommandState Selected() {
    CommandState s;
    s.lineSelected = true;
    return s;
}
CommandState Statement() {
    CommandState s;
    s.statementMode = true;
    return s;
}
CommandState Backup() {
    CommandState s;
    s.backup = true;
    return s;
}
CommandState BarsHidden() {
    CommandState s;
    s.toolbarVisible = false;
    s.statusBarVisible = false;
    return s;
}

class CommandRules : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CommandRules, GiveTheEnabledAndCheckedState) {
    const RuleCase& c = GetParam();
    EXPECT_EQ(EvaluateCommand(c.command, c.state), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Selection, CommandRules,
    ::testing::Values(
        RuleCase{"DeleteNeedsASelectedLine", cmd::kDeleteLine, {}, {false, false}},
        RuleCase{"DeleteWithASelectedLine", cmd::kDeleteLine, Selected(), {true, false}},
        // The correction dialog is not built yet: greyed even with a selection.
        RuleCase{"CorrectWithoutSelection", cmd::kCorrectLine, {}, {false, false}},
        RuleCase{
            "CorrectWithSelectionWaitsForItsDialog", cmd::kCorrectLine, Selected(), {false, false}},
        RuleCase{"UndoAlwaysEnabled", cmd::kEditUndo, {}, {true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Checks, CommandRules,
    ::testing::Values(
        RuleCase{"BackupUnchecked", cmd::kBackupToggle, {}, {true, false}},
        RuleCase{"BackupCheckedWhileFlagSet", cmd::kBackupToggle, Backup(), {true, true}},
        RuleCase{"StatementModeChecked", cmd::kStatementMode, Statement(), {false, true}},
        RuleCase{"StatementModeUnchecked", cmd::kStatementMode, {}, {false, false}},
        RuleCase{"ToolbarChecked", cmd::kViewToolbar, {}, {true, true}},
        RuleCase{"ToolbarHidden", cmd::kViewToolbar, BarsHidden(), {true, false}},
        RuleCase{"StatusBarChecked", cmd::kViewStatusBar, {}, {true, true}},
        RuleCase{"StatusBarHidden", cmd::kViewStatusBar, BarsHidden(), {true, false}},
        RuleCase{"BackupFlagDoesNotCheckOthers", cmd::kFileSave, Backup(), {true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Availability, CommandRules,
    ::testing::Values(RuleCase{"New", cmd::kFileNew, {}, {true, false}},
                      RuleCase{"FirstRecentFile", cmd::kFileMruFirst, {}, {true, false}},
                      RuleCase{"LastRecentFile", cmd::kFileMruLast, {}, {true, false}},
                      RuleCase{"Split", cmd::kWindowSplit, {}, {true, false}},
                      RuleCase{"Help", cmd::kHelp, {}, {true, false}},
                      RuleCase{"NewLineNotBuilt", cmd::kNewLine, Selected(), {false, false}},
                      RuleCase{"PrintNotBuilt", cmd::kFilePrint, {}, {false, false}},
                      RuleCase{"AboutNotBuilt", cmd::kAbout, {}, {false, false}},
                      RuleCase{"PastTheRecentFiles", cmd::kFileMruLast + 1, {}, {false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_FALSE(correct->isEnabled());  // its dialog does not exist yet
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

TEST_F(FrameEnabling, StatementPaneShowsTheDateOnlyInStatementMode) {
    QLabel* pane = f.frame->Pane(59142);
    ASSERT_NE(pane, nullptr);
    EXPECT_TRUE(pane->text().isEmpty());
    f.doc.SetStatementMode(true, ToDayDate(2024, 3, 31));
    EXPECT_EQ(pane->text(), QStringLiteral("REL (31.03.24)"));
    EXPECT_TRUE(f.frame->Action(cmd::kStatementMode)->isChecked());
    f.doc.SetStatementMode(false, 0);
    EXPECT_TRUE(pane->text().isEmpty());
    EXPECT_FALSE(f.frame->Action(cmd::kStatementMode)->isChecked());
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
