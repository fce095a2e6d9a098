// The enabling rules (uilogic CommandStateTest) reach the frame's actions, in
// the menus, the context menu and the toolbar alike.
#include "DialogTestSupport.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>

namespace belvane {
namespace {

TEST(FrameEnabling, ActionsFollowTheSelectionAndTheFlags) {
    testing::FrameFixture f;
    testing::ScriptedMessageBox box;
    box.Answer(IMessageBox::Answer::No);  // the register deleted from is not saved
    for (int i = 0; i < 3; ++i)
        f.doc.AddLine(testing::TestLine({2024, 2, 1 + i}, -500));
    f.doc.SetModifiedFlag(false);
    f.Make();
    f.frame->resize(800, 500);
    f.frame->show();
    QAction* del = f.frame->Action(cmd::kDeleteLine);
    QList<QAction*> inContextMenu;
    for (QAction* a : f.frame->ContextMenu()->actions())
        if (a->objectName() == QString::number(cmd::kDeleteLine))
            inContextMenu << a;
    ASSERT_FALSE(inContextMenu.isEmpty());
    EXPECT_TRUE(f.frame->ToolBar()->actions().contains(del));  // the same action
    const auto deleteEnabled = [&] {
        for (QAction* a : inContextMenu)
            EXPECT_EQ(a->isEnabled(), del->isEnabled());
        return del->isEnabled() && f.frame->Action(cmd::kCorrectLine)->isEnabled();
    };
    EXPECT_FALSE(deleteEnabled());
    f.frame->RunCommand(cmd::kDeleteLine);  // asked directly while disabled: nothing
    EXPECT_EQ(f.doc.GetLineCount(), 3);
    f.frame->ActiveView()->SelectAndShow(1);
    EXPECT_TRUE(deleteEnabled());
    del->trigger();  // the selection stays at its place, on the next line
    EXPECT_EQ(f.doc.GetLineCount(), 2);
    EXPECT_TRUE(deleteEnabled());
    QTest::keyClick(f.frame->ActiveView(), Qt::Key_Space);
    EXPECT_FALSE(deleteEnabled());
    f.frame->ActiveView()->SelectAndShow(0);
    f.frame->RunCommand(cmd::kFileNew);
    EXPECT_FALSE(deleteEnabled());

    QAction* backup = f.frame->Action(cmd::kBackupToggle);
    for (const bool on : {true, false}) {
        backup->trigger();
        EXPECT_EQ(f.doc.GetBackup(), on);
        EXPECT_EQ(backup->isChecked(), on);
        EXPECT_EQ(f.frame->Pane(59144)->text(), on ? QStringLiteral("BACKUP") : QString());
    }

    QAction* toolbar = f.frame->Action(cmd::kViewToolbar);
    QAction* status = f.frame->Action(cmd::kViewStatusBar);
    EXPECT_TRUE(toolbar->isChecked());
    for (const bool hidden : {true, false}) {
        toolbar->trigger();
        status->trigger();
        EXPECT_EQ(f.frame->ToolBar()->isHidden(), hidden);
        EXPECT_EQ(f.frame->statusBar()->isHidden(), hidden);
    }
}

}  // namespace
}  // namespace belvane
