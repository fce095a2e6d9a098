#include "FrameTestSupport.h"
#include "gui/support/QtText.h"

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
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testing::FrameFixture;
using testing::ScriptedMessageBox;

template <class W>
W* Child(QWidget* parent, int control) {
    W* w = parent->findChild<W*>(QString::number(control));
    EXPECT_NE(w, nullptr) << "control " << control;
    return w;
}

CLigne Line(CivilDate issue, DayDate statement, DayDate validity, Amount amount,
            std::string payee = {}) {
    CLigne l;
    l.Set(ToDayDate(issue), statement, validity, amount, "", "Chèque", "", "", std::move(payee),
          "");
    return l;
}

// --- totals -------------------------------------------------------------------

class TotauxDlgTest : public ::testing::Test {
protected:
    FixedClock clock{{2026, 12, 6}};
    CBelvaneDoc doc{nullptr, clock};
};

TEST_F(TotauxDlgTest, OpensOnTheFullBalancesAndRecomputesForARange) {
    doc.SetMontantInitial(10000);
    const DayDate tomorrow = ToDayDate(2026, 12, 7);
    doc.AddLine(Line({2026, 11, 20}, ToDayDate(2026, 11, 30), ToDayDate(2026, 11, 21), -2550));
    doc.AddLine(Line({2026, 12, 7}, 0, tomorrow, 5000));

    CTotauxDlg dlg(doc);
    // The line of tomorrow is available but not yet on the account.
    EXPECT_EQ(Child<QLineEdit>(&dlg, 604)->text(), "+124,50");
    EXPECT_EQ(Child<QLineEdit>(&dlg, 217)->text(), "+74,50");
    EXPECT_EQ(Child<QLineEdit>(&dlg, 104)->text(), "+74,50");
    EXPECT_TRUE(Child<QLineEdit>(&dlg, 604)->isReadOnly());

    // A from-date drops the initial amount; a to-date after tomorrow takes the line in.
    dlg.show();
    Child<QLineEdit>(&dlg, 505)->setText("1.11");
    Child<QLineEdit>(&dlg, 506)->setText("31.12.26");
    QTest::mouseClick(Child<QPushButton>(&dlg, 1130), Qt::LeftButton);
    EXPECT_EQ(Child<QLineEdit>(&dlg, 604)->text(), "+24,50");
    EXPECT_EQ(Child<QLineEdit>(&dlg, 217)->text(), "+24,50");
    EXPECT_EQ(Child<QLineEdit>(&dlg, 104)->text(), "-25,50");

    // Unreadable dates count as empty and stay as typed.
    Child<QLineEdit>(&dlg, 505)->setText("abc");
    Child<QLineEdit>(&dlg, 506)->setText("xyz");
    dlg.Compute();
    EXPECT_EQ(Child<QLineEdit>(&dlg, 604)->text(), "+124,50");
    EXPECT_EQ(Child<QLineEdit>(&dlg, 505)->text(), "abc");
}

TEST_F(TotauxDlgTest, ComputingFromTheKeyboardRewritesTheDateFirst) {
    CTotauxDlg dlg(doc);
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QLineEdit* to = Child<QLineEdit>(&dlg, 506);
    to->setFocus();
    QTest::keyClicks(to, "30.6.25");
    QTest::keyClick(&dlg, Qt::Key_C, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return to->text() == QStringLiteral("30.06.25"); }))
        << ToStd(to->text());
    // Enter presses "Calculer", the default button: the same.
    QLineEdit* from = Child<QLineEdit>(&dlg, 505);
    from->setFocus();
    QTest::keyClicks(from, "1.1.25");
    QTest::keyClick(from, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return from->text() == QStringLiteral("01.01.25"); }))
        << ToStd(from->text());
}

TEST_F(TotauxDlgTest, TotalsByCategoryNeedACategory) {
    {
        CTotauxDlg dlg(doc);
        EXPECT_FALSE(Child<QPushButton>(&dlg, 501)->isEnabled());
        EXPECT_EQ(Child<QLineEdit>(&dlg, 604)->text(), "+0,00");
    }
    doc.InsertRubrique(0, CRubrique("Maison", 0));
    CTotauxDlg dlg(doc);
    EXPECT_TRUE(Child<QPushButton>(&dlg, 501)->isEnabled());
    EXPECT_EQ(dlg.windowTitle(), "Totaux");
}

// --- search window ----------------------------------------------------------------

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
        search = new CChercherDlg(f.doc, *f.frame, f.frame.get());
        search->show();
    }
    void TearDown() override { delete search.data(); }

    int Selected() const { return pane->SelectedLine(); }
    void Click(int control) {
        QTest::mouseClick(Child<QPushButton>(search, control), Qt::LeftButton);
    }
    QString Status() const { return f.frame->MessagePane()->text(); }

    FrameFixture f;
    ScriptedMessageBox box;
    CBelvaneView* pane = nullptr;
    QPointer<CChercherDlg> search;
};

// The criteria and start points are the search rule's (see LineSearchTest): the
// window's part is to tick the box of a field typed into, and to walk the pane.
TEST_F(ChercherDlgTest, TypingTicksItsBoxAndTheButtonsWalkThePane) {
    auto* payee = Child<QComboBox>(search, 1034);
    EXPECT_EQ(payee->count(), 0) << "the register has no payee list";
    payee->setFocus();
    QTest::keyClicks(payee, "edf");
    EXPECT_TRUE(Child<QCheckBox>(search, 1153)->isChecked());
    Click(1121);
    EXPECT_EQ(Selected(), 0);
    Click(1121);
    EXPECT_EQ(Selected(), 4);
    Click(1121);
    EXPECT_EQ(Selected(), 4) << "no wrap-around";
    EXPECT_EQ(Status(), CResources::Str(10080));

    // Amount, debit, an empty statement date and OU mode reach the criteria;
    // backwards from no selection.
    search->Reset();
    Child<QCheckBox>(search, 1144)->setChecked(true);
    QTest::keyClicks(Child<QLineEdit>(search, 1026), "12,50");
    EXPECT_TRUE(Child<QCheckBox>(search, 1146)->isChecked());
    Child<QCheckBox>(search, 1159)->setChecked(true);
    Child<QRadioButton>(search, 1142)->setChecked(true);
    pane->LinesArea()->ResetSelection();
    Click(1156);
    EXPECT_EQ(Selected(), 4);
}

TEST_F(ChercherDlgTest, TabFollowsTheRowsAsDrawn) {
    search->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(search));
    Child<QCheckBox>(search, 1143)->setFocus();
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

TEST_F(ChercherDlgTest, ResetEmptiesTheFieldsAndUnticksEveryBox) {
    QTest::keyClicks(Child<QLineEdit>(search, 1023), "3.3.26");
    QTest::keyClicks(Child<QLineEdit>(search, 1037), "loyer");
    Child<QComboBox>(search, 1035)->setEditText("Maison");
    Child<QCheckBox>(search, 1158)->setChecked(true);
    Child<QRadioButton>(search, 1142)->setChecked(true);
    ASSERT_TRUE(Child<QCheckBox>(search, 1143)->isChecked());
    ASSERT_TRUE(Child<QCheckBox>(search, 1151)->isChecked());

    Click(1157);
    for (int box : {1143, 1144, 1149, 1146, 1158, 1159, 1145, 1150, 1151, 1152, 1153, 1154})
        EXPECT_FALSE(Child<QCheckBox>(search, box)->isChecked()) << box;
    EXPECT_TRUE(Child<QLineEdit>(search, 1023)->text().isEmpty());
    EXPECT_TRUE(Child<QComboBox>(search, 1035)->currentText().isEmpty());
    EXPECT_TRUE(Child<QRadioButton>(search, 1142)->isChecked()) << "the mode stays";
}

TEST_F(ChercherDlgTest, EachCommandOpensAWindowThatClosesItself) {
    QAction* action = f.frame->Action(cmd::kSearch);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    action->trigger();
    QList<CChercherDlg*> windows = f.frame->findChildren<CChercherDlg*>();
    EXPECT_EQ(windows.size(), 3);
    QPointer<CChercherDlg> last = windows.back();
    Click(2);  // closes the first one
    QTest::keyClick(last, Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(search.isNull());
    EXPECT_TRUE(last.isNull());
    EXPECT_EQ(f.frame->findChildren<CChercherDlg*>().size(), 1);
}

}  // namespace
}  // namespace belvane
