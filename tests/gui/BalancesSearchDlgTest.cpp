#include "DialogTestSupport.h"
#include "RecordBuilders.h"

#include "core/CRubrique.h"
#include "core/Clock.h"
#include "gui/dialogs/lines/CChercherDlg.h"
#include "gui/dialogs/lines/CTotauxDlg.h"
#include "gui/support/CResources.h"
#include "gui/window/CBelvaneView.h"
#include "gui/window/CLignesWnd.h"
#include "uilogic/CommandIds.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSignalSpy>

#include <tuple>

namespace belvane {
namespace {

using testing::Child;
using testing::FrameFixture;
using testing::ScriptedMessageBox;

CLigne Line(CivilDate issue, DayDate statement, DayDate validity, Amount amount,
            std::string payee = {}) {
    return testutil::MakeLine(ToDayDate(issue), statement, validity, amount, "", "Chèque", "", "",
                              std::move(payee));
}

// The sums are the balance rule's (see BalancesTest); the dialog shows them, reads
// its range from the keyboard and offers the totals by category once there is one.
TEST(TotauxDlg, ShowsTheBalancesAndRecomputesForARangeTypedAtTheKeyboard) {
    FixedClock clock{{2026, 12, 6}};
    CBelvaneDoc doc{nullptr, clock};
    doc.SetMontantInitial(10000);
    doc.AddLine(Line({2026, 11, 20}, ToDayDate(2026, 11, 30), ToDayDate(2026, 11, 21), -2550));
    doc.AddLine(Line({2026, 12, 7}, 0, ToDayDate(2026, 12, 7), 5000));
    CTotauxDlg dlg(doc);
    const auto sums = [&] {
        return QStringList{Child<QLineEdit>(dlg, 604)->text(), Child<QLineEdit>(dlg, 217)->text(),
                           Child<QLineEdit>(dlg, 104)->text()};
    };
    EXPECT_EQ(sums(), QStringList({"+124,50", "+74,50", "+74,50"}));
    EXPECT_FALSE(Child<QPushButton>(dlg, 501)->isEnabled()) << "no category yet";

    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* from = Child<QLineEdit>(dlg, 505);
    from->setFocus();
    QTest::keyClicks(from, "1.11");
    QTest::keyClick(from, Qt::Key_Return);  // "Calculer" is the default button
    ASSERT_TRUE(QTest::qWaitFor([&] { return from->text() == QStringLiteral("01.11.26"); }));
    EXPECT_EQ(sums(), QStringList({"+24,50", "-25,50", "-25,50"}));

    // A date that does not read, or a start after the end, is refused; the
    // balances shown stay.
    ScriptedMessageBox box;
    for (const auto& [start, end, refusal] :
         {std::tuple("abc", "", 10026), std::tuple("1.12.26", "31.02.26", 10026),
          std::tuple("1.12.26", "30.11.26", 10122)}) {
        from->setText(start);
        Child<QLineEdit>(dlg, 506)->setText(end);
        dlg.Compute();
        EXPECT_EQ(testing::Texts(box).back(), CResources::Str(refusal)) << start << " " << end;
        EXPECT_EQ(sums(), QStringList({"+24,50", "-25,50", "-25,50"}));
    }

    // With a category the button asks for the totals by category over the range,
    // the end open when empty.
    doc.InsertRubrique(0, CRubrique("Maison", 0));
    CTotauxDlg withCategory(doc);
    QSignalSpy asked(&withCategory, &CTotauxDlg::byCategoryRequested);
    Child<QLineEdit>(withCategory, 505)->setText(QStringLiteral("01.11.26"));
    testing::Click(withCategory, "501");
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0][0].toInt(), ToDayDate(2026, 11, 1));
    EXPECT_EQ(asked[0][1].toInt(), kOpenEndDate);
}

class ChercherDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Line i: issue date 1 + i March 2026; lines 1 and 3 reconciled;
        // amounts +12,50, -12,50, 0, +30,00, -5,00.
        const Amount amounts[] = {1250, -1250, 0, 3000, -500};
        const char* payees[] = {"Facture EDF", "Boulangerie", "", "Salaire", "facture edf"};
        for (int i = 0; i < 5; ++i) {
            const DayDate statement = i == 1 || i == 3 ? ToDayDate(2026, 4, 1) : 0;
            f.doc.AddLine(Line({2026, 3, 1 + i}, statement, ToDayDate(2026, 3, 1 + i), amounts[i],
                               payees[i]));
        }
        f.Make();
        f.frame->resize(900, 500);
        f.frame->show();
        pane = f.frame->CommandView();
        ASSERT_NE(pane, nullptr);
        f.frame->Action(cmd::kSearch)->trigger();  // a modeless window of its own
        search = f.frame->findChild<CChercherDlg*>();
        ASSERT_NE(search, nullptr);
    }
    void TearDown() override {
        Click(2);  // "Fermer": the window deletes itself
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(search.isNull());
    }

    int Selected() const { return pane->SelectedLine(); }
    void Click(int control) {
        QTest::mouseClick(Child<QPushButton>(*search, control), Qt::LeftButton);
    }

    FrameFixture f;
    ScriptedMessageBox box;
    CBelvaneView* pane = nullptr;
    QPointer<CChercherDlg> search;
};

// The criteria and start points are the search rule's (see LineSearchTest): the
// window's part is to tick the box of a field typed into, and to walk the pane.
TEST_F(ChercherDlgTest, TypingTicksItsBoxAndTheButtonsWalkThePane) {
    auto* payee = Child<QComboBox>(*search, 1034);
    payee->setFocus();
    QTest::keyClicks(payee, "edf");
    EXPECT_TRUE(Child<QCheckBox>(*search, 1153)->isChecked());
    Click(1121);
    EXPECT_EQ(Selected(), 0);
    Click(1121);
    EXPECT_EQ(Selected(), 4);
    Click(1121);
    EXPECT_EQ(Selected(), 4) << "no wrap-around";
    EXPECT_EQ(f.frame->MessagePane()->text(), CResources::Str(10080));

    // Amount, debit, an empty statement date and OU mode reach the criteria;
    // backwards from no selection.
    Click(1157);  // "Effacer" unticks every box and empties the fields
    EXPECT_FALSE(Child<QCheckBox>(*search, 1153)->isChecked());
    EXPECT_TRUE(payee->currentText().isEmpty());
    Child<QCheckBox>(*search, 1144)->setChecked(true);
    QTest::keyClicks(Child<QLineEdit>(*search, 1026), "12,50");
    EXPECT_TRUE(Child<QCheckBox>(*search, 1146)->isChecked());
    Child<QCheckBox>(*search, 1159)->setChecked(true);
    Child<QRadioButton>(*search, 1142)->setChecked(true);
    pane->LinesArea()->ResetSelection();
    Click(1156);
    EXPECT_EQ(Selected(), 4);
}

TEST_F(ChercherDlgTest, TabFollowsTheRowsAsDrawn) {
    search->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    Child<QCheckBox>(*search, 1143)->setFocus();
    const int expected[] = {1023, 1144, 1024, 1149, 1033, 1146, 1026, 1158, 1159, 1145, 1031,
                            1150, 1032, 1151, 1035, 1152, 1036, 1153, 1034, 1154, 1037, 1141};
    for (int control : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_TRUE(QTest::qWaitFor([&] {
            return QApplication::focusWidget()->objectName() == QString::number(control);
        })) << "Tab to "
            << control << " went to " << ToStd(QApplication::focusWidget()->objectName());
    }
}

}  // namespace
}  // namespace belvane
