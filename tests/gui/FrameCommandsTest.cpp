#include "DialogTestSupport.h"
#include "gui/paint/QtText.h"
#include "gui/support/CHelpWnd.h"
#include "gui/support/CResources.h"
#include "gui/support/HelpPages.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>

namespace belvane {
namespace {

using Answer = IMessageBox::Answer;

class FrameCommands : public ::testing::Test {
protected:
    void SetUp() override {
        f.Make();
        f.frame->resize(900, 500);
        f.frame->show();
    }

    QString Register(const QString& name, int lines) {
        return testing::WriteRegister(dir.filePath(name), lines);
    }

    void TearDown() override {
        QDir::setCurrent(startDir);
        SetHelpBrowser({});
    }

    QTemporaryDir dir;
    const QString startDir = QDir::currentPath();
    testing::FrameFixture f;
    testing::ScriptedMessageBox box;
};

// Enregistrer sous proposes the title; a failed save says so and keeps the mark.
// Then closing, Oui asks for the file name the register still lacks.
TEST_F(FrameCommands, AnUntitledRegisterIsSavedUnderTheNameAskedFor) {
    f.doc.AddLine(testing::TestLine({2024, 8, 1}, 1));
    const QString path = dir.filePath("absent/dossier/x.blv");
    f.modal.paths << path;
    f.frame->Action(cmd::kFileSaveAs)->trigger();
    ASSERT_EQ(f.modal.asked.size(), 1u);
    EXPECT_EQ(f.modal.asked[0].kind, PathRequest::Kind::Save);
    EXPECT_EQ(f.modal.asked[0].proposed, QStringLiteral("Sans-Nom.blv"));
    // Files without an extension are "all files" too.
    EXPECT_EQ(f.modal.asked[0].filter, QStringLiteral("Belvane (*.blv);;Tous les fichiers (*)"));
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text,
              QStringLiteral("Impossible d'enregistrer le fichier %1.").arg(path));
    EXPECT_EQ(f.frame->windowTitle(), QStringLiteral("Sans-Nom * - Belvane"));
    EXPECT_EQ(f.recent.Count(), 0);

    box.Answer(Answer::Yes);
    EXPECT_FALSE(f.frame->close()) << "the file chooser answered nothing";
    EXPECT_EQ(f.modal.asked.size(), 2u);
    EXPECT_TRUE(f.doc.IsModified());
    box.Answer(Answer::Yes);
    f.modal.paths << dir.filePath("nouveau");  // the extension is added
    EXPECT_TRUE(f.frame->close());
    EXPECT_EQ(box.shown[1].text,
              QStringLiteral("Enregistrer les modifications apportées à Sans-Nom?"));
    EXPECT_EQ(box.shown[1].buttons, IMessageBox::Buttons::YesNoCancel);
    CBelvaneDoc onDisk;
    ASSERT_TRUE(onDisk.OnOpenDocument(ToStd(dir.filePath("nouveau.blv"))).status.ok());
    EXPECT_EQ(onDisk.GetLineCount(), 1);
}

// The list's rules are RecentFilesTest's; here its entries reach the menu. The
// open register is not read again; a cancelled chooser or question changes nothing.
TEST_F(FrameCommands, OpeningFromTheRecentFilesOrAgainOrNot) {
    const QString a = Register("a.blv", 1);
    const QString b = Register("b.blv", 2);
    QDir::setCurrent(dir.path());  // names in the current directory show alone
    ASSERT_TRUE(f.frame->Files().OpenDocument(a));
    ASSERT_TRUE(f.frame->Files().OpenDocument(b));
    ASSERT_NE(f.frame->Action(cmd::kFileMruFirst), nullptr);
    EXPECT_EQ(f.frame->Action(cmd::kFileMruFirst)->text(), QStringLiteral("&1 b.blv"));
    EXPECT_EQ(f.frame->Action(cmd::kFileMruFirst + 1)->text(), QStringLiteral("&2 a.blv"));
    EXPECT_EQ(f.frame->Action(cmd::kFileMruFirst + 2), nullptr);

    f.frame->Action(cmd::kFileMruFirst + 1)->trigger();
    EXPECT_EQ(f.doc.GetLineCount(), 1);
    EXPECT_EQ(f.frame->Action(cmd::kFileMruFirst)->text(), QStringLiteral("&1 a.blv"));

    ASSERT_TRUE(QFile::remove(b));  // one that no longer opens leaves the list
    f.frame->Action(cmd::kFileMruFirst + 1)->trigger();
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, CResources::Str(61706).arg(b));
    EXPECT_EQ(f.doc.GetLineCount(), 1) << "the register open is kept";
    ASSERT_EQ(f.recent.Count(), 1);
    EXPECT_EQ(f.recent.Path(0), ToStd(a));
    EXPECT_EQ(f.frame->Action(cmd::kFileMruFirst + 1), nullptr);

    f.doc.AddLine(testing::TestLine({2024, 6, 1}, 10));
    EXPECT_TRUE(f.frame->Files().OpenDocument(a));
    f.frame->Action(cmd::kFileOpen)->trigger();
    EXPECT_EQ(f.modal.asked.size(), 1u);
    box.Answer(Answer::Cancel);
    f.frame->Action(cmd::kFileNew)->trigger();
    EXPECT_EQ(box.shown.size(), 2u) << "only the save question";
    EXPECT_EQ(f.doc.GetLineCount(), 2);
}

TEST_F(FrameCommands, SplitGivesFourPanesWithTheirOwnSelection) {
    f.frame->Action(cmd::kEditUndo)->trigger();  // nothing to undo yet
    EXPECT_EQ(testing::Texts(box),
              QStringList{QStringLiteral("Il n'y a aucune action à annuler.")});
    ASSERT_TRUE(f.frame->Files().OpenDocument(Register("panes.blv", 6)));
    CBelvaneView* first = f.frame->ActiveView();
    first->SelectAndShow(2);
    ASSERT_TRUE(f.frame->Action(cmd::kDeleteLine)->isEnabled());

    f.frame->Action(cmd::kWindowSplit)->trigger();
    ASSERT_TRUE(f.frame->IsSplit());
    const std::vector<CBelvaneView*> views = f.frame->Views();
    ASSERT_EQ(views.size(), 4u);

    // F6 moves to the next pane, whose selection is its own.
    f.frame->RunCommand(cmd::kNextPane);
    EXPECT_EQ(f.frame->ActiveView(), views[1]);
    EXPECT_TRUE(views[1]->IsActiveView());
    EXPECT_FALSE(first->IsActiveView());
    EXPECT_FALSE(f.frame->Action(cmd::kDeleteLine)->isEnabled());
    views[1]->SelectAndShow(4);
    f.frame->Action(cmd::kDeleteLine)->trigger();
    EXPECT_EQ(f.doc.GetLineCount(), 5);
    f.frame->Action(cmd::kEditUndo)->trigger();
    EXPECT_EQ(f.doc.GetLineCount(), 6);

    // Shift+F6 goes back, and wraps around.
    f.frame->RunCommand(cmd::kPrevPane);
    EXPECT_EQ(f.frame->ActiveView(), first);
    f.frame->RunCommand(cmd::kPrevPane);
    EXPECT_EQ(f.frame->ActiveView(), views[3]);

    f.frame->Action(cmd::kWindowSplit)->trigger();
    EXPECT_FALSE(f.frame->IsSplit());
    ASSERT_EQ(f.frame->Views().size(), 1u);
    EXPECT_EQ(f.frame->ActiveView(), first);
}

// The statement pane has room for a whole date; empty panes are hidden: in a
// narrow window the message has their room.
TEST_F(FrameCommands, StatusBarPanesMakeRoomForTheMessage) {
    const QLabel* statement = f.frame->Pane(59142);
    EXPECT_GE(statement->minimumWidth(),
              statement->fontMetrics().horizontalAdvance(QStringLiteral("REL (00.00.00)")));
    f.frame->resize(360, 300);
    f.frame->ShowStatusText(QString::fromUtf8("Débiteur: Hypermarché du centre"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.frame->width() == 360; }));
    for (int id : {59142, 59144, 59137, 59138, 59139})
        EXPECT_FALSE(f.frame->Pane(id)->isVisible()) << id;
    EXPECT_GE(f.frame->MessagePane()->width(), f.frame->statusBar()->width() - 40);
}

// Help goes to the browser; with none to take the page, to the program's own
// window, whose table of contents leads to the pages' chapters and dialogs.
TEST_F(FrameCommands, HelpGoesToTheBrowserOrElseToItsOwnWindow) {
    EXPECT_TRUE(HelpUrl().toLocalFile().endsWith(QStringLiteral("help/index.html")));
    EXPECT_EQ(HelpUrl(QStringLiteral("fichier")).fragment(), QStringLiteral("fichier"));
    QList<QUrl> taken;
    bool browser = true;
    SetHelpBrowser([&](const QUrl& url) {
        taken << url;
        return browser;
    });
    f.frame->Action(cmd::kHelp)->trigger();
    EXPECT_EQ(taken, QList<QUrl>{HelpUrl()});
    EXPECT_EQ(OpenHelpWindow(), nullptr) << "the browser took the page";

    browser = false;
    f.frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.frame.get()));
    QTest::keyClick(f.frame.get(), Qt::Key_F1);
    CHelpWnd* help = OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Page()->source(), HelpUrl());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Aide de Belvane"));
    const auto items = help->Contents()->findItems(QStringLiteral("Chercher"),
                                                   Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(items.size(), 1);
    EXPECT_EQ(items[0]->parent()->text(0), QStringLiteral("Boîtes de dialogue"));
    EXPECT_EQ(items[0]->data(0, Qt::UserRole).toString(), QStringLiteral("dialog-195"));
    EXPECT_TRUE(box.shown.empty());
    delete help;
}

}  // namespace
}  // namespace belvane
