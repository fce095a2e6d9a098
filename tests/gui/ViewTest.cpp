#include "gui/window/CBelvaneView.h"

#include "FrameTestSupport.h"
#include "core/LineText.h"
#include "gui/window/CEnteteWnd.h"
#include "gui/window/CLignesWnd.h"
#include "uilogic/CommandIds.h"
#include "uilogic/ViewGeometry.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QTest>
#include <QWheelEvent>

#include <tuple>

namespace belvane {
namespace {

constexpr int kLines = 50;
constexpr int kRows = 20;  // full rows of the pane the tests use
const DayDate kStatement = ToDayDate(2009, 3, 10);
const DayDate kOtherStatement = ToDayDate(2009, 2, 10);

// Line i is dated 1 January 2009 + i, a credit when i is even, a debit when odd.
void Fill(CBelvaneDoc& doc, int count) {
    for (int i = 0; i < count; ++i) {
        const DayDate date = ToDayDate(2009, 1, 1 + i);
        doc.AddLine(testutil::MakeLine(date, 0, date + 86400, i % 2 == 0 ? 1000 + i : -1000 - i,
                                       "REF", "Chèque", "Maison", "",
                                       "Tiers " + std::to_string(i)));
    }
}

QColor Rgb(ColorRef c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// A pane over a register of 50 lines whose lines area holds exactly 20 rows.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fill(doc, kLines);
        view = std::make_unique<CBelvaneView>(doc);
        view->SetWheelStep(3);
        const int extent =
            view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view.get());
        view->resize(640, TitleBandHeight(Rh()) + kRows * Rh() + extent);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->SetActiveView(true);
        QCoreApplication::processEvents();
    }

    CLignesWnd& Lines() { return *view->LinesArea(); }
    QScrollBar& Bar(const char* name) { return *view->findChild<QScrollBar*>(name); }
    int Rh() const { return view->RowHeight(); }
    QPoint RowPoint(int row) const { return {40, row * Rh() + 2 + Rh() / 2}; }
    void Click(int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view->LinesArea(), button, Qt::NoModifier, RowPoint(row));
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(view.get(), key, modifiers);
    }
    void Wheel(QWidget* target, int delta) {
        QWheelEvent event(QPointF(10, 10), target->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }
    QColor PixelOfRow(int row) { return Lines().grab().toImage().pixelColor(2, RowPoint(row).y()); }

    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};
    std::unique_ptr<CBelvaneView> view;
};

TEST_F(ViewTest, MouseSelectsDeselectsAndAsksForMenuAndCorrection) {
    QSignalSpy status(view.get(), &CBelvaneView::statusTextChanged);
    QSignalSpy selected(view.get(), &CBelvaneView::lineSelectedChanged);
    QSignalSpy menu(view.get(), &CBelvaneView::contextMenuRequested);
    QSignalSpy commands(view.get(), &CBelvaneView::commandRequested);

    Click(2);  // line 47, a debit
    EXPECT_EQ(view->SelectedLine(), 47);
    EXPECT_EQ(status.takeLast().at(0).toString(),
              QString::fromUtf8("Ligne n°48, valide à compter du 18.02.09. Débiteur: Tiers 47"));
    EXPECT_TRUE(selected.takeLast().at(0).toBool());
    Click(1);  // line 48, a credit: the selection moves
    EXPECT_EQ(status.takeLast().at(0).toString(),
              QString::fromUtf8("Ligne n°49, valide à compter du 19.02.09. Créditeur: Tiers 48"));
    Click(1);  // the selected line: deselects, the idle prompt comes back
    EXPECT_EQ(view->SelectedLine(), -1);
    EXPECT_EQ(status.takeLast().at(0).toString(), QStringLiteral("Pour l'aide, appuyez sur F1"));
    EXPECT_FALSE(selected.takeLast().at(0).toBool());

    Click(3, Qt::RightButton);  // selects, then asks for the menu
    EXPECT_EQ(view->SelectedLine(), 46);
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.takeFirst().at(0).toPoint(), Lines().mapToGlobal(RowPoint(3)));
    Click(3, Qt::RightButton);  // on the selected line it stays selected
    EXPECT_EQ(view->SelectedLine(), 46);

    Click(3);  // deselected: a double click selects its line first
    QTest::mouseDClick(view->LinesArea(), Qt::LeftButton, Qt::NoModifier, RowPoint(4));
    EXPECT_EQ(view->SelectedLine(), 45);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.takeFirst().at(0).toInt(), cmd::kCorrectLine);
}

// The keys reach the pane's keyboard table (see SelectionLogicTest), and its
// answers move the selection and the scroll bars.
TEST_F(ViewTest, KeysMoveTheSelectionAndThePositions) {
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, int, int> steps[] = {
        {Qt::Key_Space, Qt::NoModifier, 49, 0},  // no selection yet: the newest
        {Qt::Key_PageDown, Qt::NoModifier, 34, 0},
        {Qt::Key_End, Qt::ControlModifier, 0, 30},
        {Qt::Key_Down, Qt::AltModifier, 0, 30},  // not the pane's
    };
    for (const auto& [key, modifiers, selected, vpos] : steps) {
        Press(key, modifiers);
        EXPECT_EQ(view->SelectedLine(), selected) << key;
        EXPECT_EQ(view->VerticalPosition(), vpos) << key;
        EXPECT_EQ(Bar("vscroll").value(), vpos) << key;
    }
    // The title band, the lines and the bar follow the pane sideways.
    const int last = LineWidth(doc) - Lines().width() / view->CharWidth() + 1;
    for (const auto& [key, hpos] : {std::pair{Qt::Key_End, last}, std::pair{Qt::Key_Home, 0}}) {
        Press(key);
        for (const int pos : {view->HorizontalPosition(), view->TitleBand()->HorizontalPosition(),
                              Lines().HorizontalPosition(), Bar("hscroll").value()})
            EXPECT_EQ(pos, hpos) << key;
    }
}

TEST_F(ViewTest, WheelAndScrollBarsFollowThePaneRules) {
    Wheel(view->LinesArea(), -240);  // two notches of three lines
    EXPECT_EQ(view->VerticalPosition(), 6);
    Wheel(&Bar("vscroll"), 120);  // the scroll bar follows the same rule
    EXPECT_EQ(view->VerticalPosition(), 3);

    QScrollBar& v = Bar("vscroll");
    v.triggerAction(QAbstractSlider::SliderToMinimum);
    v.triggerAction(QAbstractSlider::SliderPageStepAdd);  // three quarters of a page
    EXPECT_EQ(view->VerticalPosition(), 15);
    v.triggerAction(QAbstractSlider::SliderToMaximum);  // the last full page
    EXPECT_EQ(view->VerticalPosition(), kLines - kRows);
    v.setValue(7);  // thumb tracking
    EXPECT_EQ(Lines().VerticalPosition(), 7);
    QScrollBar& h = Bar("hscroll");
    const int hpage = Lines().width() / view->CharWidth();
    h.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view->TitleBand()->HorizontalPosition(), hpage * 3 / 4);
}

TEST_F(ViewTest, StatementModeStampsWithEnterAndDoubleClick) {
    testing::ScriptedMessageBox box;
    QSignalSpy commands(view.get(), &CBelvaneView::commandRequested);
    doc.SetLineStatement(48, kOtherStatement);
    doc.SetStatementMode(true, kStatement);
    EXPECT_EQ(Lines().cursor().shape(), Qt::BitmapCursor);

    Click(1);
    Press(Qt::Key_Return);  // another statement's line: a beep
    EXPECT_EQ(doc.GetLine(48).m_dateReleve, kOtherStatement);
    EXPECT_EQ(box.beeps, 1);
    Click(1);
    QTest::mouseDClick(view->LinesArea(), Qt::LeftButton, Qt::NoModifier, RowPoint(2));
    EXPECT_EQ(doc.GetLine(47).m_dateReleve, kStatement);
    Press(Qt::Key_Return);
    EXPECT_EQ(doc.GetLine(47).m_dateReleve, 0);
    EXPECT_TRUE(commands.isEmpty());
    Press(Qt::Key_Space);  // without a selection Enter does nothing
    Press(Qt::Key_Return);
    EXPECT_EQ(doc.GetLine(47).m_dateReleve, 0);

    doc.SetStatementMode(false, 0);
    EXPECT_EQ(Lines().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewTest, DeletingTheSelectedLineSelectsTheNewNewest) {
    Click(0);
    doc.DeleteLine(49);
    EXPECT_EQ(view->SelectedLine(), 48);
    EXPECT_EQ(PixelOfRow(0), Rgb(doc.GetColor(true, kStyleSelected)));

    doc.OnNewDocument();
    Fill(doc, 1);
    Click(0);
    QSignalSpy selected(view.get(), &CBelvaneView::lineSelectedChanged);
    doc.DeleteLine(0);
    EXPECT_EQ(view->SelectedLine(), -1);
    view->grab();  // the paint tells the frame
    ASSERT_FALSE(selected.isEmpty());
    EXPECT_FALSE(selected.takeLast().at(0).toBool());
}

TEST_F(ViewTest, AnInactivePaneAsksToBeActiveAndIgnoresUnknownLines) {
    view->SetActiveView(false);
    QSignalSpy activated(view.get(), &CBelvaneView::activated);
    Click(1);
    EXPECT_GE(activated.count(), 1);
    EXPECT_EQ(activated.at(0).at(0).value<CBelvaneView*>(), view.get());
    view->SelectAndShow(kLines);  // no such line
    EXPECT_EQ(view->SelectedLine(), 48);
}

TEST_F(ViewTest, PaintAlternatesStylesAndFormatsOnlyWhatItMust) {
    EXPECT_EQ(PixelOfRow(0), Rgb(doc.GetColor(true, kStyleEven)));  // line 49
    EXPECT_EQ(PixelOfRow(1), Rgb(doc.GetColor(true, kStyleOdd)));   // line 48
    const QImage band = view->TitleBand()->grab().toImage();
    EXPECT_EQ(band.pixelColor(2, band.height() / 2), QColor(0, 0, 128));

    Lines().ResetFormattedRows();
    view->grab();
    EXPECT_EQ(Lines().FormattedRows(), kRows);  // the visible rows only
    QCoreApplication::processEvents();
    Lines().ResetFormattedRows();
    Press(Qt::Key_Down);  // no selection: one row down, one strip repainted
    QCoreApplication::processEvents();
    EXPECT_GE(Lines().FormattedRows(), 1);
    EXPECT_LE(Lines().FormattedRows(), 2);
    Lines().ResetFormattedRows();
    doc.SetLineStatement(40, kStatement);  // a changed line repaints its row
    QCoreApplication::processEvents();
    EXPECT_EQ(Lines().FormattedRows(), 1);

    doc.OnNewDocument();
    Fill(doc, 2);
    EXPECT_EQ(PixelOfRow(2), QColor(192, 192, 192));  // below the oldest line
}

TEST_F(ViewTest, DocumentNotificationsReachThePane) {
    Click(3);
    Press(Qt::Key_Space);
    Press(Qt::Key_End, Qt::ControlModifier);
    Press(Qt::Key_End);
    doc.OnNewDocument();  // a new register forgets positions and selection
    Fill(doc, kLines);
    EXPECT_EQ(view->VerticalPosition(), 0);
    EXPECT_EQ(view->HorizontalPosition(), 0);
    Press(Qt::Key_Space);  // no earlier selection any more: the newest
    EXPECT_EQ(view->SelectedLine(), 49);

    const int before = Rh();
    doc.SetDisplay(doc.GetColumns(), doc.GetWidths(),
                   CPolice::Make("Courier New", 200, 700, false, false, false, 0, 0x31),
                   doc.GetColors());
    EXPECT_GT(Rh(), before);
    EXPECT_EQ(view->TitleBand()->height(), Rh() + 5);
}

}  // namespace
}  // namespace belvane
