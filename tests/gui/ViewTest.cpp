#include "gui/support/QtText.h"
#include "gui/window/CBelvaneView.h"

#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "core/RegisterFile.h"
#include "gui/support/CResources.h"
#include "gui/support/IMessageBox.h"
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

#include <gtest/gtest.h>

#include <memory>

namespace belvane {
namespace {

constexpr int kLines = 50;
constexpr int kRows = 20;  // full rows of the pane the tests use
const DayDate kStatement = ToDayDate(2009, 3, 10);
const DayDate kOtherStatement = ToDayDate(2009, 2, 10);

class ScriptedBox final : public IMessageBox {
public:
    Answer Show(QWidget*, const QString&, Icon, Buttons) override { return Answer::Ok; }
    void Beep() override { ++beeps; }
    int beeps = 0;
};

// Line i is dated 1 January 2009 + i (a thousand lines a day beyond 3000, so that
// the dates keep rising), a credit when i is even, a debit when odd.
CLigne MakeLine(int i) {
    CLigne line;
    const DayDate date = ToDayDate(2009, 1, 1 + (i < 3000 ? i : 3000 + (i - 3000) / 1000));
    line.Set(date, 0, date + 86400, i % 2 == 0 ? 1000 + i : -1000 - i, "REF", "Chèque", "Maison",
             "", "Tiers " + std::to_string(i), "");
    return line;
}

void Fill(CBelvaneDoc& doc, int count) {
    for (int i = 0; i < count; ++i)
        doc.AddLine(MakeLine(i));
}

// A large register is loaded, as from a file, rather than added line by line.
void Load(CBelvaneDoc& doc, int count) {
    CRegistre reg;
    reg.m_lignes.reserve(count);
    for (int i = 0; i < count; ++i)
        reg.m_lignes.push_back(MakeLine(i));
    const std::string bytes = WriteRegister(reg);
    ASSERT_TRUE(
        doc.LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()})
            .status.ok());
    ASSERT_EQ(doc.GetLineCount(), count);
}

QColor Rgb(ColorRef c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// A pane over a register of 50 lines whose lines area holds exactly 20 rows.
class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        Fill(doc, kLines);
        MakeView();
    }

    void MakeView(int rows = kRows) {
        view = std::make_unique<CBelvaneView>(doc);
        view->SetWheelStep(3);
        SizeForRows(rows);
        view->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view.get()));
        view->SetActiveView(true);
        QCoreApplication::processEvents();
    }

    void SizeForRows(int rows) {
        const int extent =
            view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view.get());
        view->resize(640, TitleBandHeight(view->RowHeight()) + rows * view->RowHeight() + extent);
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
    QColor PixelOfRow(int row) {
        const QImage image = Lines().grab().toImage();
        return image.pixelColor(2, row * Rh() + 2 + Rh() / 2);
    }
    QString Status(int index) const {
        const CLigne& line = doc.GetLine(index);
        return QString::fromUtf8("Ligne n°%1, valide à compter du %2. %3: %4")
            .arg(index + 1)
            .arg(FromStd(doc.FormatDate(line.m_dateValidite)))
            .arg(line.IsCredit() ? QString::fromUtf8("Créditeur") : QString::fromUtf8("Débiteur"))
            .arg(FromStd(line.m_beneficiaire));
    }

    FixedClock clock{{2009, 3, 10}};
    CBelvaneDoc doc{nullptr, clock};
    std::unique_ptr<CBelvaneView> view;
};

// --- layout and ranges ------------------------------------------------------------

TEST_F(ViewTest, LaysOutTheBandOverTheLinesWithItsOwnScrollBars) {
    auto* band = view->findChild<CEnteteWnd*>("CEnteteWnd");
    auto* lines = view->findChild<CLignesWnd*>("CLignesWnd");
    ASSERT_NE(band, nullptr);
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(band->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(band->height(), Rh() + 5);
    EXPECT_EQ(lines->y(), Rh() + 5);
    EXPECT_EQ(lines->height(), kRows * Rh());
    EXPECT_EQ(lines->width(), band->width());
    EXPECT_EQ(Bar("vscroll").x(), band->width());
    EXPECT_EQ(Bar("hscroll").y(), band->height() + lines->height());
    EXPECT_GT(Rh(), 8);  // measured, not the start value
    EXPECT_GT(view->CharWidth(), 1);
}

TEST_F(ViewTest, ScrollRangesFollowTheRegister) {
    // Rows: 0..49 with a page of 20, so the last page starts at 30.
    EXPECT_EQ(Bar("vscroll").maximum(), kLines - kRows);
    EXPECT_EQ(Bar("vscroll").pageStep(), kRows);
    const int hpage = Lines().width() / view->CharWidth();
    EXPECT_EQ(Bar("hscroll").pageStep(), hpage);
    EXPECT_EQ(Bar("hscroll").maximum(), doc.LineWidth() - hpage + 1);
}

TEST_F(ViewTest, GrowingThePaneCapsThePosition) {
    Press(Qt::Key_End, Qt::ControlModifier);
    ASSERT_EQ(view->VerticalPosition(), 30);
    SizeForRows(30);  // page 30: the position is capped at 49 - 30
    EXPECT_EQ(view->VerticalPosition(), 19);
    EXPECT_EQ(Bar("vscroll").value(), 19);
}

TEST_F(ViewTest, FewerLinesCapThePosition) {
    Press(Qt::Key_End, Qt::ControlModifier);
    for (int i = 0; i < 25; ++i)
        doc.DeleteLine(0);
    EXPECT_EQ(view->VerticalPosition(), 4);  // 25 lines left: capped at 24 - 20
}

// --- mouse ---------------------------------------------------------------------

TEST_F(ViewTest, ClickSelectsAndClickAgainDeselects) {
    QSignalSpy status(view.get(), &CBelvaneView::statusTextChanged);
    QSignalSpy selected(view.get(), &CBelvaneView::lineSelectedChanged);

    Click(2);  // line 47, a debit
    EXPECT_EQ(view->SelectedLine(), 47);
    ASSERT_EQ(status.count(), 1);
    EXPECT_EQ(status.takeFirst().at(0).toString(), Status(47));
    EXPECT_TRUE(status.isEmpty());
    ASSERT_EQ(selected.count(), 1);
    EXPECT_TRUE(selected.takeFirst().at(0).toBool());

    Click(1);  // line 48, a credit: the selection moves
    EXPECT_EQ(view->SelectedLine(), 48);
    EXPECT_EQ(status.takeFirst().at(0).toString(), Status(48));
    EXPECT_TRUE(Status(48).contains(QString::fromUtf8("Créditeur: Tiers 48")));

    Click(1);  // the selected line: deselects, the idle prompt comes back
    EXPECT_EQ(view->SelectedLine(), -1);
    EXPECT_EQ(status.takeFirst().at(0).toString(), QStringLiteral("Pour l'aide, appuyez sur F1"));
    EXPECT_FALSE(selected.takeLast().at(0).toBool());
}

TEST_F(ViewTest, ClickBelowTheOldestRowChangesNothing) {
    doc.OnNewDocument();
    Fill(doc, 3);
    Click(1);
    ASSERT_EQ(view->SelectedLine(), 1);
    QSignalSpy status(view.get(), &CBelvaneView::statusTextChanged);
    Click(5);
    EXPECT_EQ(view->SelectedLine(), 1);
    EXPECT_TRUE(status.isEmpty());
}

TEST_F(ViewTest, RightClickSelectsThenAsksForTheMenu) {
    QSignalSpy menu(view.get(), &CBelvaneView::contextMenuRequested);
    Click(3, Qt::RightButton);
    EXPECT_EQ(view->SelectedLine(), 46);
    ASSERT_EQ(menu.count(), 1);
    EXPECT_EQ(menu.takeFirst().at(0).toPoint(), Lines().mapToGlobal(RowPoint(3)));

    // On the selected line it stays selected.
    Click(3, Qt::RightButton);
    EXPECT_EQ(view->SelectedLine(), 46);
    EXPECT_EQ(menu.count(), 1);
}

TEST_F(ViewTest, RightClickBelowTheLastRowKeepsTheSelection) {
    doc.OnNewDocument();
    Fill(doc, 3);
    Click(0);
    QSignalSpy menu(view.get(), &CBelvaneView::contextMenuRequested);
    Click(10, Qt::RightButton);
    EXPECT_EQ(view->SelectedLine(), 2);
    EXPECT_EQ(menu.count(), 1);
}

TEST_F(ViewTest, DoubleClickAsksToCorrectTheLine) {
    QSignalSpy commands(view.get(), &CBelvaneView::commandRequested);
    QTest::mouseDClick(view->LinesArea(), Qt::LeftButton, Qt::NoModifier, RowPoint(4));
    EXPECT_EQ(view->SelectedLine(), 45);
    ASSERT_EQ(commands.count(), 1);
    EXPECT_EQ(commands.takeFirst().at(0).toInt(), cmd::kCorrectLine);

    // Already selected before the double click: still corrected, still selected.
    QTest::mouseDClick(view->LinesArea(), Qt::LeftButton, Qt::NoModifier, RowPoint(4));
    EXPECT_EQ(view->SelectedLine(), 45);
    EXPECT_EQ(commands.count(), 1);

    // Below the lines: nothing.
    doc.OnNewDocument();
    Fill(doc, 2);
    QTest::mouseDClick(view->LinesArea(), Qt::LeftButton, Qt::NoModifier, RowPoint(5));
    EXPECT_EQ(commands.count(), 1);
}

// --- keyboard -------------------------------------------------------------------

TEST_F(ViewTest, KeyboardTableOnFiftyLines) {
    struct Step {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int selected;
        int vpos;
    };
    // 20 full rows: a page move is 15 lines, the last page starts at 30.
    const Step steps[] = {
        {Qt::Key_Space, Qt::NoModifier, 49, 0},  // no selection yet: the newest
        {Qt::Key_Down, Qt::NoModifier, 48, 0},
        {Qt::Key_PageDown, Qt::NoModifier, 33, 0},   // row 16: still in sight
        {Qt::Key_PageDown, Qt::NoModifier, 18, 15},  // row 31: a page down
        {Qt::Key_Down, Qt::NoModifier, 17, 15},
        {Qt::Key_End, Qt::ControlModifier, 0, 30},
        {Qt::Key_Down, Qt::NoModifier, 0, 30},      // the oldest: nothing
        {Qt::Key_PageDown, Qt::NoModifier, 0, 30},  // nothing either
        {Qt::Key_Up, Qt::NoModifier, 1, 30},
        {Qt::Key_PageUp, Qt::NoModifier, 16, 30},  // row 3
        {Qt::Key_PageUp, Qt::NoModifier, 31, 15},  // above the top row: a page up
        {Qt::Key_Home, Qt::ControlModifier, 49, 0},
        {Qt::Key_Up, Qt::NoModifier, 49, 0},  // the newest: nothing
        {Qt::Key_PageUp, Qt::NoModifier, 49, 0},
        {Qt::Key_Space, Qt::NoModifier, -1, 0},  // deselects
        {Qt::Key_Down, Qt::NoModifier, -1, 1},   // without selection: scrolls only
        {Qt::Key_Up, Qt::NoModifier, -1, 0},
        {Qt::Key_Up, Qt::NoModifier, -1, 0},
        {Qt::Key_PageDown, Qt::NoModifier, -1, 15},
        {Qt::Key_PageDown, Qt::NoModifier, -1, 30},
        {Qt::Key_PageDown, Qt::NoModifier, -1, 30},
        {Qt::Key_Home, Qt::ControlModifier, -1, 0},
        {Qt::Key_End, Qt::ControlModifier, -1, 30},
        {Qt::Key_Space, Qt::NoModifier, 19, 30},  // the newest is out of sight: the top row
    };
    int n = 0;
    for (const Step& s : steps) {
        Press(s.key, s.modifiers);
        EXPECT_EQ(view->SelectedLine(), s.selected) << "step " << n;
        EXPECT_EQ(view->VerticalPosition(), s.vpos) << "step " << n;
        EXPECT_EQ(Bar("vscroll").value(), s.vpos) << "step " << n;
        ++n;
    }
}

TEST_F(ViewTest, HorizontalKeys) {
    const int hpage = Lines().width() / view->CharWidth();
    const int last = doc.LineWidth() - hpage + 1;
    Press(Qt::Key_Left);
    EXPECT_EQ(view->HorizontalPosition(), 0);
    Press(Qt::Key_Right);
    EXPECT_EQ(view->HorizontalPosition(), 1);
    Press(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view->HorizontalPosition(), 1 + hpage * 3 / 4);
    Press(Qt::Key_End);
    EXPECT_EQ(view->HorizontalPosition(), last);
    EXPECT_EQ(view->TitleBand()->HorizontalPosition(), last);
    EXPECT_EQ(Lines().HorizontalPosition(), last);
    Press(Qt::Key_Right);
    EXPECT_EQ(view->HorizontalPosition(), last);
    Press(Qt::Key_Left, Qt::ControlModifier);
    EXPECT_EQ(view->HorizontalPosition(), last - hpage * 3 / 4);
    Press(Qt::Key_Home);
    EXPECT_EQ(view->HorizontalPosition(), 0);
    EXPECT_EQ(view->TitleBand()->HorizontalPosition(), 0);
    EXPECT_EQ(view->SelectedLine(), -1);
}

TEST_F(ViewTest, SpaceBringsBackTheLineDeselectedLast) {
    Click(5);  // line 44
    Press(Qt::Key_Space);
    ASSERT_EQ(view->SelectedLine(), -1);
    Press(Qt::Key_Space);
    EXPECT_EQ(view->SelectedLine(), 44);

    // Out of sight: the top row is taken instead.
    Press(Qt::Key_Space);
    Press(Qt::Key_Down);
    Press(Qt::Key_PageDown);
    Press(Qt::Key_PageDown);
    ASSERT_EQ(view->VerticalPosition(), 30);
    Press(Qt::Key_Space);
    EXPECT_EQ(view->SelectedLine(), 19);

    // The oldest line is a valid line to bring back.
    Press(Qt::Key_End, Qt::ControlModifier);
    ASSERT_EQ(view->SelectedLine(), 0);
    Press(Qt::Key_Space);
    Press(Qt::Key_Space);
    EXPECT_EQ(view->SelectedLine(), 0);
}

TEST_F(ViewTest, SpaceOnAnEmptyRegisterSelectsNothing) {
    doc.OnNewDocument();
    Press(Qt::Key_Space);
    EXPECT_EQ(view->SelectedLine(), -1);
    Press(Qt::Key_Down);
    EXPECT_EQ(view->VerticalPosition(), 0);
}

// --- statement mode --------------------------------------------------------------

class StatementTest : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        IMessageBox::Install(&box);
    }
    void TearDown() override { IMessageBox::Install(nullptr); }
    ScriptedBox box;
};

TEST_F(StatementTest, AnotherStatementsLineBeeps) {
    doc.SetLineStatement(48, kOtherStatement);
    doc.SetStatementMode(true, kStatement);
    Click(1);
    Press(Qt::Key_Return);
    EXPECT_EQ(doc.GetLine(48).m_dateReleve, kOtherStatement);
    EXPECT_EQ(box.beeps, 1);
}

TEST_F(StatementTest, EnterDoesNothingOutsideTheModeOrWithoutSelection) {
    Click(0);
    Press(Qt::Key_Return);
    EXPECT_EQ(doc.GetLine(49).m_dateReleve, 0);
    doc.SetStatementMode(true, kStatement);
    Click(0);  // deselects
    Press(Qt::Key_Return);
    EXPECT_EQ(doc.GetLine(49).m_dateReleve, 0);
}

TEST_F(StatementTest, DoubleClickTogglesInsteadOfCorrecting) {
    doc.SetStatementMode(true, kStatement);
    QSignalSpy commands(view.get(), &CBelvaneView::commandRequested);
    QTest::mouseDClick(view->LinesArea(), Qt::LeftButton, Qt::NoModifier, RowPoint(2));
    EXPECT_EQ(doc.GetLine(47).m_dateReleve, kStatement);
    EXPECT_EQ(view->SelectedLine(), 47);
    EXPECT_TRUE(commands.isEmpty());
}

TEST_F(StatementTest, ModeShownWithItsDateAndCursor) {
    QSignalSpy mode(view.get(), &CBelvaneView::statementModeChanged);
    doc.SetStatementMode(true, kStatement);
    ASSERT_EQ(mode.count(), 1);
    QList<QVariant> args = mode.takeFirst();
    EXPECT_TRUE(args.at(0).toBool());
    EXPECT_EQ(args.at(1).toString(), QStringLiteral("REL (10.03.09)"));
    EXPECT_EQ(Lines().cursor().shape(), CResources::Cursor(172).shape());
    EXPECT_EQ(Lines().cursor().shape(), Qt::BitmapCursor);

    doc.SetStatementMode(false, 0);
    args = mode.takeFirst();
    EXPECT_FALSE(args.at(0).toBool());
    EXPECT_TRUE(args.at(1).toString().isEmpty());
    EXPECT_EQ(Lines().cursor().shape(), Qt::ArrowCursor);
}

// --- selection kept by the pane -----------------------------------------------------

TEST_F(ViewTest, DeletingTheSelectedNewestLineSelectsTheNewNewest) {
    Click(0);
    ASSERT_EQ(view->SelectedLine(), 49);
    doc.DeleteLine(49);
    EXPECT_EQ(view->SelectedLine(), 48);
    EXPECT_EQ(PixelOfRow(0), Rgb(doc.GetColor(true, kStyleSelected)));
}

TEST_F(ViewTest, DeletingTheLastLineTellsTheFrameNothingIsSelected) {
    doc.OnNewDocument();
    Fill(doc, 1);
    Click(0);
    QSignalSpy selected(view.get(), &CBelvaneView::lineSelectedChanged);
    doc.DeleteLine(0);
    EXPECT_EQ(view->SelectedLine(), -1);
    QImage image(view->size(), QImage::Format_RGB32);
    view->render(&image);
    ASSERT_FALSE(selected.isEmpty());
    EXPECT_FALSE(selected.takeLast().at(0).toBool());
}

TEST_F(ViewTest, ActivationRepaintsTheSelectionAndTellsTheFrame) {
    Click(1);  // line 48, style 0 when not shown as selected
    EXPECT_EQ(PixelOfRow(1), Rgb(doc.GetColor(true, kStyleSelected)));

    QSignalSpy selected(view.get(), &CBelvaneView::lineSelectedChanged);
    view->SetActiveView(false);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_FALSE(selected.takeFirst().at(0).toBool());
    EXPECT_EQ(PixelOfRow(1), Rgb(doc.GetColor(true, kStyleOdd)));
    EXPECT_EQ(view->SelectedLine(), 48);

    // An inactive pane does not speak for the selection.
    Click(2);
    EXPECT_TRUE(selected.isEmpty());

    view->SetActiveView(true);
    ASSERT_EQ(selected.count(), 1);
    EXPECT_TRUE(selected.takeFirst().at(0).toBool());
    EXPECT_TRUE(view->IsActiveView());
}

TEST_F(ViewTest, SelectAndShowScrollsOnlyWhenNeeded) {
    view->SelectAndShow(10);  // row 39: becomes the bottom full row
    EXPECT_EQ(view->SelectedLine(), 10);
    EXPECT_EQ(view->VerticalPosition(), 20);
    view->SelectAndShow(45);  // above: becomes the top row
    EXPECT_EQ(view->SelectedLine(), 45);
    EXPECT_EQ(view->VerticalPosition(), 4);
    view->SelectAndShow(40);  // in sight
    EXPECT_EQ(view->VerticalPosition(), 4);
    view->SelectAndShow(40);  // already selected: stays selected
    EXPECT_EQ(view->SelectedLine(), 40);
    view->SelectAndShow(50);  // no such line
    EXPECT_EQ(view->SelectedLine(), 40);
}

// --- wheel and scroll bars ------------------------------------------------------------

TEST_F(ViewTest, WheelMovesLinesPerNotch) {
    Wheel(view->LinesArea(), -120);
    EXPECT_EQ(view->VerticalPosition(), 3);
    Wheel(view->LinesArea(), -240);
    EXPECT_EQ(view->VerticalPosition(), 9);
    Wheel(view->LinesArea(), 120);
    EXPECT_EQ(view->VerticalPosition(), 6);
    Wheel(view->LinesArea(), 20);  // a sixth of a notch: nothing
    EXPECT_EQ(view->VerticalPosition(), 6);
    Wheel(&Bar("vscroll"), -120);  // the scroll bar follows the same rule
    EXPECT_EQ(view->VerticalPosition(), 9);
}

TEST_F(ViewTest, WheelSettingMinusOneMovesPages) {
    view->SetWheelStep(-1);
    Wheel(view->LinesArea(), -120);
    EXPECT_EQ(view->VerticalPosition(), 15);
    Wheel(view->LinesArea(), -120);
    EXPECT_EQ(view->VerticalPosition(), 30);
    Wheel(view->LinesArea(), 120);
    EXPECT_EQ(view->VerticalPosition(), 15);
}

TEST_F(ViewTest, ScrollBarRequestsFollowThePaneRules) {
    QScrollBar& v = Bar("vscroll");
    v.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view->VerticalPosition(), 15);  // three quarters of a page
    v.triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(view->VerticalPosition(), 30);
    v.triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(view->VerticalPosition(), 29);
    v.setValue(7);  // thumb tracking
    EXPECT_EQ(view->VerticalPosition(), 7);
    EXPECT_EQ(Lines().VerticalPosition(), 7);

    QScrollBar& h = Bar("hscroll");
    const int hpage = Lines().width() / view->CharWidth();
    h.triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view->HorizontalPosition(), hpage * 3 / 4);
    EXPECT_EQ(view->TitleBand()->HorizontalPosition(), hpage * 3 / 4);
}

// --- painting -----------------------------------------------------------------------

TEST_F(ViewTest, RowsAlternateStylesNewestFirst) {
    EXPECT_EQ(PixelOfRow(0), Rgb(doc.GetColor(true, kStyleEven)));  // line 49
    EXPECT_EQ(PixelOfRow(1), Rgb(doc.GetColor(true, kStyleOdd)));   // line 48
    const QImage band = view->TitleBand()->grab().toImage();
    EXPECT_EQ(band.pixelColor(2, band.height() / 2), QColor(0, 0, 128));

    doc.OnNewDocument();
    Fill(doc, 2);
    EXPECT_EQ(PixelOfRow(0), Rgb(doc.GetColor(true, kStyleEven)));
    EXPECT_EQ(PixelOfRow(1), Rgb(doc.GetColor(true, kStyleOdd)));
    EXPECT_EQ(PixelOfRow(2), QColor(192, 192, 192));  // below the oldest line
}

TEST_F(ViewTest, PaintFormatsOnlyTheVisibleRows) {
    auto formattedByFullPaint = [this] {
        Lines().ResetFormattedRows();
        QImage image(view->size(), QImage::Format_RGB32);
        view->render(&image);
        return Lines().FormattedRows();
    };
    const long small = formattedByFullPaint();
    EXPECT_EQ(small, kRows);

    view.reset();
    Load(doc, 300000);
    MakeView();
    EXPECT_EQ(formattedByFullPaint(), small);
    Press(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(formattedByFullPaint(), small);
}

TEST_F(ViewTest, ScrollStepRepaintsOnlyTheUncoveredStrip) {
    QCoreApplication::processEvents();
    Lines().ResetFormattedRows();
    Press(Qt::Key_Down);  // no selection: one row down
    QCoreApplication::processEvents();
    EXPECT_GE(Lines().FormattedRows(), 1);
    EXPECT_LE(Lines().FormattedRows(), 2);

    Lines().ResetFormattedRows();
    Press(Qt::Key_Up);
    QCoreApplication::processEvents();
    EXPECT_GE(Lines().FormattedRows(), 1);
    EXPECT_LE(Lines().FormattedRows(), 2);
}

TEST_F(ViewTest, ChangedLineRepaintsOneRow) {
    QCoreApplication::processEvents();
    Lines().ResetFormattedRows();
    doc.SetLineStatement(40, kStatement);  // row 9
    QCoreApplication::processEvents();
    EXPECT_EQ(Lines().FormattedRows(), 1);
}

// --- what the document tells the pane --------------------------------------------------

TEST_F(ViewTest, NewRegisterForgetsPositionsAndSelection) {
    Click(3);
    Press(Qt::Key_Space);
    Press(Qt::Key_End, Qt::ControlModifier);
    Press(Qt::Key_End);
    doc.OnNewDocument();
    Fill(doc, kLines);
    EXPECT_EQ(view->VerticalPosition(), 0);
    EXPECT_EQ(view->HorizontalPosition(), 0);
    EXPECT_EQ(view->SelectedLine(), -1);
    Press(Qt::Key_Space);  // no earlier selection any more: the newest
    EXPECT_EQ(view->SelectedLine(), 49);
}

TEST_F(ViewTest, BackupFlagIsPassedOn) {
    QSignalSpy backup(view.get(), &CBelvaneView::backupFlagChanged);
    doc.ToggleBackup();
    ASSERT_EQ(backup.count(), 1);
    EXPECT_TRUE(backup.takeFirst().at(0).toBool());
}

TEST_F(ViewTest, NewFontIsMeasuredAgain) {
    const int before = Rh();
    doc.SetDisplay(doc.GetColumns(), doc.GetWidths(),
                   CPolice::Make("Courier New", 200, 700, false, false, false, 0, 0x31),
                   doc.GetColors());
    EXPECT_GT(Rh(), before);
    EXPECT_EQ(view->TitleBand()->height(), Rh() + 5);
}

}  // namespace
}  // namespace belvane
