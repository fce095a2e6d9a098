// The report windows: what each shows and hands over, and their print
// buttons reaching the program's printer.
#include "DialogTestSupport.h"
#include "reports/ReportRegister.h"

#include "gui/dialogs/print/CPrintDlg.h"
#include "gui/dialogs/reports/CGraphiqueWnd.h"
#include "gui/dialogs/reports/CGraphiquesDlg.h"
#include "gui/dialogs/reports/CLignesCorrespondantesDlg.h"
#include "gui/dialogs/reports/CLignesCorrespondantesWnd.h"
#include "gui/dialogs/reports/CTotauxRubriquesDlg.h"
#include "gui/paint/CQtSettings.h"
#include "gui/support/CResources.h"
#include "gui/window/ReportPrinter.h"
#include "reports/PrintOptions.h"
#include "reports/SumFormat.h"
#include "uilogic/CommandIds.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>

namespace belvane {
namespace {

using testing::ScriptedMessageBox;

// The print dialog sends every job to the PDF file `pdf`.
class ReportWindowsTest : public ::testing::Test {
protected:
    ReportWindowsTest() {
        testutil::FillReportRegister(doc);
        // A name longer than a button shows.
        doc.InsertRubrique(2, CRubrique("Alimentation et courses", 0));
        modal.On<CPrintDlg>([this](CPrintDlg& d) {
            auto* printers = testing::Child<QComboBox>(d, "2002");
            printers->setCurrentIndex(printers->count() - 1);
            modal.paths << pdf;
            d.accept();
            return d.result();
        });
    }
    bool Printed() const { return testing::ReadBytes(pdf).startsWith("%PDF"); }

    CBelvaneDoc doc;
    testing::ScriptedModal modal;
    PrintOptions options;
    ReportPrinter printer{doc, options};
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    ScriptedMessageBox boxes;
};

TEST_F(ReportWindowsTest, TotalsByCategoryGridChosenTotalAndPrint) {
    CTotauxRubriquesDlg dlg(doc, 0, kOpenEndDate, &printer);
    const QFontMetrics metrics(dlg.font());
    const QSize cell(18 * metrics.averageCharWidth(), 3 * (metrics.height() + metrics.leading()));
    EXPECT_EQ(dlg.CellSize(), cell);
    EXPECT_EQ(dlg.RowCount(), 3);
    EXPECT_EQ(dlg.ColumnCount(), 3);  // Maison and its two subcategories
    // Buttons from 400 on: Maison, Loyer, Divers, Auto, Auto's Divers, Alimentation.
    const auto button = [&](int id) {
        return dlg.Grid()->findChild<QPushButton*>(QString::number(id));
    };
    ASSERT_NE(button(405), nullptr);
    EXPECT_EQ(button(402)->geometry(), QRect(QPoint(2 * cell.width(), 0), cell));
    EXPECT_EQ(button(404)->geometry(), QRect(QPoint(cell.width(), cell.height() + 1), cell));
    EXPECT_EQ(button(405)->text(),
              QStringLiteral("Alimentation et\n") + FromStd(FormatSum(0, true, 15, ",")));

    // No total focused: the lines without category; then the focused total's.
    EXPECT_EQ(dlg.ChosenLines(), (std::vector<std::uint32_t>{6}));
    button(404)->setFocus();
    EXPECT_EQ(dlg.ChosenLines(), (std::vector<std::uint32_t>{4}));
    button(405)->setFocus();
    dlg.ShowMatchingLines();
    EXPECT_EQ(testing::Texts(boxes), QStringList{CResources::Str(10083)});

    dlg.Print();
    EXPECT_TRUE(Printed());
}

// Opens over the whole screen, keeps at least 3 x 5 totals when made smaller,
// reopens at the size it was left at; the arrows move along the grid.
TEST_F(ReportWindowsTest, TotalsWindowSizeKeptAndArrowsMove) {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QSize chosen;
    {
        CTotauxRubriquesDlg dlg(doc, 0, kOpenEndDate, &printer);
        EXPECT_EQ(dlg.size(), screen);
        EXPECT_TRUE(dlg.windowState() & Qt::WindowMaximized);
        testing::ShowAndWait(dlg);
        dlg.setWindowState(Qt::WindowNoState);
        dlg.resize(1, 1);
        QTest::qWait(10);
        EXPECT_GE(dlg.Grid()->width(), 3 * dlg.CellSize().width());
        EXPECT_GE(dlg.Grid()->height(), 5 * (dlg.CellSize().height() + 1));
        chosen = dlg.size() + QSize(40, 30);
        dlg.resize(chosen);

        const auto press = [&](Qt::Key key) {
            QTest::keyClick(dlg.focusWidget(), key);
            return dlg.focusWidget()->objectName().toInt();
        };
        dlg.Grid()->findChild<QPushButton*>(QStringLiteral("400"))->setFocus();
        // Rows: Maison 400 401 402; Auto 403 404; Alimentation 405.
        const std::pair<Qt::Key, int> moves[] = {
            {Qt::Key_Right, 401}, {Qt::Key_Right, 402}, {Qt::Key_Right, 402}, {Qt::Key_Down, 404},
            {Qt::Key_Down, 405},  {Qt::Key_Down, 405},  {Qt::Key_Up, 403},    {Qt::Key_Left, 403},
        };
        for (const auto& [key, total] : moves)
            EXPECT_EQ(press(key), total) << key;
        dlg.reject();
    }
    CTotauxRubriquesDlg again(doc, 0, kOpenEndDate, &printer);
    EXPECT_EQ(again.size(), chosen);
    EXPECT_FALSE(again.windowState() & Qt::WindowMaximized);
    CQtSettings().Qt().remove(QStringLiteral("Windows"));
}

TEST_F(ReportWindowsTest, MatchingLinesScrollByKeysAndPrint) {
    const std::vector<std::uint32_t> all = {0, 1, 2, 3, 4, 5, 6};
    CLignesCorrespondantesDlg dlg(doc, all, "Lignes", "lignes", &printer);
    EXPECT_EQ(dlg.windowTitle(), QStringLiteral("Lignes"));
    CLignesCorrespondantesWnd* rows = dlg.Rows();
    rows->resize(400, rows->RowHeight() * 4 + 3);
    rows->UpdateScrollRanges();
    QScrollBar* v = rows->verticalScrollBar();
    ASSERT_GT(v->maximum(), 0);
    // 2 and 8, of the main keyboard or the keypad, go down and up like the arrows.
    QTest::keyClick(rows, Qt::Key_2);
    EXPECT_EQ(v->value(), 1);
    QTest::keyClick(rows, Qt::Key_8, Qt::KeypadModifier);
    EXPECT_EQ(v->value(), 0);
    QTest::keyClick(rows, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(v->value(), v->maximum());
    QTest::keyClick(rows, Qt::Key_6);
    EXPECT_EQ(rows->horizontalScrollBar()->value(), 1);

    dlg.Print();
    EXPECT_TRUE(Printed());
}

TEST_F(ReportWindowsTest, ChartBarFoundByItsColourAndPrinted) {
    CGraphiquesDlg dlg(doc, &printer);
    // Opens on the first and last lines' dates, by month.
    EXPECT_EQ(dlg.Chart().periods.size(), 5u);
    dlg.findChild<QComboBox*>(QStringLiteral("1131"))->setCurrentIndex(3);  // "Année"
    dlg.Compute();
    ASSERT_EQ(dlg.Chart().periods.size(), 1u);
    dlg.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
    CGraphiqueWnd* area = dlg.Area();
    area->Render();
    const int u = area->Unit();
    const int baseline = area->height() - 2 * u - 5;
    QLineEdit* total = dlg.findChild<QLineEdit*>(QStringLiteral("1133"));
    const QString debits = FromStd(FormatSum(-57301, true, 0, ","));

    // The debit bar's face, the white beside it, then the bar's darker depth edge.
    EXPECT_TRUE(area->HitTest({3 * u, baseline - 2}));
    EXPECT_EQ(total->text(), debits);
    EXPECT_EQ(dlg.HoveredLines(), (std::vector<std::uint32_t>{0, 3, 4, 5}));
    EXPECT_FALSE(area->HitTest({4 * u + 8, baseline - 10}));
    EXPECT_EQ(total->text(), QString());
    EXPECT_TRUE(area->HitTest({4 * u + 2, baseline - 10}));
    EXPECT_EQ(total->text(), debits);
    EXPECT_GE(area->height(), QGuiApplication::primaryScreen()->availableGeometry().height() / 2);
    // A new chart: the amount shown was the old one's.
    dlg.Compute();
    EXPECT_EQ(total->text(), QString());
    // A category the register does not hold is refused; the chart stays.
    dlg.findChild<QComboBox*>(QStringLiteral("1035"))->setEditText(QStringLiteral("Voyages"));
    dlg.Compute();
    EXPECT_EQ(testing::Texts(boxes), QStringList{CResources::Str(10240)});
    EXPECT_EQ(dlg.Chart().periods.size(), 1u);

    dlg.Print();
    EXPECT_TRUE(Printed());
    dlg.reject();
}

TEST(ReportCommands, ChartsOfAnEmptyRegisterShowTheNotice) {
    testing::FrameFixture f;
    f.Make();
    ScriptedMessageBox boxes;
    f.frame->RunCommand(cmd::kCharts);
    EXPECT_EQ(testing::Texts(boxes), QStringList{CResources::Str(10096)});
}

}  // namespace
}  // namespace belvane
