// The frame's movement commands and the due check when a register is opened.
#include "DialogTestSupport.h"
#include "core/Clock.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/support/CResources.h"
#include "uilogic/CommandIds.h"

namespace belvane {
namespace {

// A monthly "Loyer" on the 1st, due since 1 February for today 15 March 2026.
CMouvementAuto Loyer() {
    return testutil::MakeMouvement("Loyer", {2026, 2, 1}, 1, 1, -65000);
}

class MovementCommands : public ::testing::Test {
protected:
    void SetUp() override { f.doc.SetClock(clock); }

    int Shown(int stringId) const { return testing::Texts(box).count(CResources::Str(stringId)); }

    FixedClock clock{{2026, 3, 15}};
    testing::FrameFixture f;
    testing::ScriptedMessageBox box;
};

TEST_F(MovementCommands, AutomaticCreationOffersEachDueOccurrence) {
    f.doc.AddMouvement(Loyer());
    f.Make();
    QStringList titles;
    QStringList answers = {"1124", "1120"};  // create February's line, revoke March's
    f.modal.On<CLigneDlg>([&](CLigneDlg& d) {
        titles << d.windowTitle();
        testing::Click(d, qPrintable(answers.takeFirst()));
        return d.result();
    });
    f.frame->RunCommand(cmd::kCreateAutomatic);
    EXPECT_EQ(titles, QStringList(2, "Création automatique d'une transaction à partir de 'Loyer'"));
    ASSERT_EQ(f.doc.GetLineCount(), 1);
    EXPECT_EQ(f.doc.GetLine(0).m_dateEmission, ToDayDate(2026, 2, 1));
    EXPECT_EQ(f.doc.GetMouvement(0).GetProchaineDate(), ToDayDate(2026, 4, 1));

    // Nothing is due any more: a message and no dialog.
    f.frame->RunCommand(cmd::kCreateAutomatic);
    EXPECT_EQ(titles.size(), 2);
    EXPECT_EQ(Shown(10025), 1);
}

TEST_F(MovementCommands, OpeningAFileWithADueMovementTellsOnce) {
    QTemporaryDir dir;
    const QString path = dir.filePath("due.blv");
    CBelvaneDoc saved;
    saved.AddMouvement(Loyer());
    ASSERT_TRUE(saved.OnSaveDocument(path.toStdString()).ok());
    f.Make();
    f.frame->show();
    ASSERT_TRUE(f.frame->Files().OpenDocument(path));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Shown(10024) == 1; }));

    // A new register never tells, even with a movement due; nor does the same
    // view shown again.
    ASSERT_TRUE(f.frame->Files().NewDocument());
    f.doc.AddMouvement(Loyer());
    f.frame->hide();
    f.frame->show();
    QTest::qWait(50);
    EXPECT_EQ(Shown(10024), 1);
    EXPECT_EQ(f.doc.GetLineCount(), 0) << "nothing is generated";
}

}  // namespace
}  // namespace belvane
