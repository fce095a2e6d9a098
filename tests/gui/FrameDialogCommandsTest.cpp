// The commands of the frame that open dialogs: each reaches its dialog and
// what the dialog does reaches the register and the status bar.
#include "DialogTestSupport.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/dialogs/lines/CReleveDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <functional>

namespace belvane {
namespace {

using testing::FrameFixture;
using testing::ScriptedMessageBox;

class FrameDialogCommands : public ::testing::Test {
protected:
    void SetUp() override {
        f.doc.AddLine(testing::TestLine({2026, 3, 1}, -1000, "loyer"));
        f.doc.AddLine(testing::TestLine({2026, 3, 5}, 2500, "salaire"));
        f.doc.SetModifiedFlag(false);
        f.Make();
        f.frame->resize(800, 400);
        f.frame->show();
    }

    FrameFixture f;
    ScriptedMessageBox box;
};

TEST_F(FrameDialogCommands, StatementModeAsksADateOnlyToEnterIt) {
    f.modal.On<CReleveDlg>([](CReleveDlg& d) {
        d.DateField()->setText("28.2.26");
        d.accept();
        return d.result();
    });
    QAction* mode = f.frame->Action(cmd::kStatementMode);
    mode->trigger();
    EXPECT_TRUE(f.doc.IsStatementMode());
    EXPECT_EQ(f.frame->Pane(59142)->text(), "REL (28.02.26)");

    mode->trigger();
    EXPECT_FALSE(f.doc.IsStatementMode());
    EXPECT_TRUE(f.frame->Pane(59142)->text().isEmpty());
}

TEST_F(FrameDialogCommands, CorrectionWorksOnTheSelectedLine) {
    QAction* correct = f.frame->Action(cmd::kCorrectLine);
    f.frame->CommandView()->SelectAndShow(0);
    ASSERT_TRUE(correct->isEnabled());
    f.modal.On<CLigneDlg>([](CLigneDlg& d) {
        testing::Edit(d, "1026")->setText("12,34");
        d.accept();
        return d.result();
    });
    correct->trigger();
    EXPECT_EQ(f.doc.GetLine(0).m_montant, -1234);
    EXPECT_TRUE(f.doc.IsModified());
}

// The real modal loop, answered from inside as a user would.
TEST_F(FrameDialogCommands, NewLineThroughTheModalDialog) {
    int openings = 0;
    std::function<void()> answer = [&] {
        auto* dialog = qobject_cast<CLigneDlg*>(QApplication::activeModalWidget());
        if (!dialog) {
            QTimer::singleShot(10, answer);
            return;
        }
        if (++openings == 1) {
            QTest::keyClicks(dialog->IssueField(), ".");
            QTest::mouseClick(dialog->findChild<QPushButton*>("1038"), Qt::LeftButton);
            QTimer::singleShot(10, answer);  // the dialog opens again for the next line
        } else {
            QTest::keyClick(dialog, Qt::Key_Escape);
        }
    };
    QTimer::singleShot(0, answer);
    f.frame->RunCommand(cmd::kNewLine);
    EXPECT_EQ(openings, 2);
    EXPECT_EQ(f.doc.GetLineCount(), 3);
}

TEST_F(FrameDialogCommands, ListCommandsOpenTheirDialogs) {
    for (int command : {cmd::kPaymentMethods, cmd::kCategories, cmd::kPayees, cmd::kMovements,
                        cmd::kCreateManual}) {
        QString opened;
        QTimer::singleShot(0, [&] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                opened = modal->metaObject()->className();
                modal->close();
            }
        });
        f.frame->Action(command)->trigger();
        EXPECT_FALSE(opened.isEmpty()) << command;
    }
    EXPECT_FALSE(f.doc.IsModified()) << "closing a list changes nothing";
}

}  // namespace
}  // namespace belvane
