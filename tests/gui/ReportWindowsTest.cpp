// The report windows: what each shows and hands over, and their print buttons
// reaching the program's printer; the print dialog and the print commands.
#include "DialogTestSupport.h"
#include "gui/dialogs/print/CPrintDlg.h"
#include "gui/dialogs/print/CPrintPreviewDlg.h"
#include "gui/dialogs/reports/CGraphiqueWnd.h"
#include "gui/dialogs/reports/CGraphiquesDlg.h"
#include "gui/dialogs/reports/CLignesCorrespondantesDlg.h"
#include "gui/dialogs/reports/CLignesCorrespondantesWnd.h"
#include "gui/dialogs/reports/CTotauxRubriquesDlg.h"
#include "gui/paint/CQtSettings.h"
#include "gui/paint/PrintPageSetup.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/window/CBelvaneView.h"
#include "gui/window/ReportPrinter.h"
#include "reports/PrintOptions.h"
#include "reports/ReportRegister.h"
#include "reports/SumFormat.h"
#include "uilogic/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>

namespace belvane {
namespace {

using testing::Child;

// Plays the print dialog: the job goes to the PDF file `pdf` (the last printer).
int PrintToPdf(CPrintDlg& d, testing::ScriptedModal& modal, const QString& pdf) {
    auto* printers = Child<QComboBox>(d, "2002");
    printers->setCurrentIndex(printers->count() - 1);
    modal.paths << pdf;  // the file asked on OK
    d.accept();
    return d.result();
}

class ReportWindowsTest : public ::testing::Test {
protected:
    ReportWindowsTest() {
        testutil::FillReportRegister(doc);
        // A name longer than a button shows.
        doc.InsertRubrique(2, CRubrique("Alimentation et courses", 0));
        modal.On<CPrintDlg>([this](CPrintDlg& d) { return PrintToPdf(d, modal, pdf); });
    }
    bool Printed() const { return testing::ReadBytes(pdf).startsWith("%PDF"); }

    CBelvaneDoc doc;
    testing::ScriptedModal modal;
    PrintOptions options;
    ReportPrinter printer{doc, options};
    QTemporaryDir dir;
    const QString pdf = dir.filePath("report.pdf");
    testing::ScriptedMessageBox boxes;
};

// The totals' grid, the total chosen and the print; the window opens over the
// whole screen, keeps at least 3 x 5 totals when made smaller, reopens at the
// size it was left at; the arrows move along the grid.
TEST_F(ReportWindowsTest, TotalsGridChosenTotalPrintSizeKeptAndArrowsMove) {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    QSize chosen;
    {
        CTotauxRubriquesDlg dlg(doc, 0, kOpenEndDate, &printer);
        const QSize cell = dlg.CellSize();
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

        EXPECT_EQ(dlg.size(), screen);
        EXPECT_TRUE(dlg.windowState() & Qt::WindowMaximized);
        testing::ShowAndWait(dlg);
        dlg.setWindowState(Qt::WindowNoState);
        dlg.resize(1, 1);
        QTest::qWait(10);
        EXPECT_GE(dlg.Grid()->width(), 3 * cell.width());
        EXPECT_GE(dlg.Grid()->height(), 5 * (cell.height() + 1));
        chosen = dlg.size() + QSize(40, 30);
        dlg.resize(chosen);

        const auto press = [&](Qt::Key key) {
            QTest::keyClick(dlg.focusWidget(), key);
            return dlg.focusWidget()->objectName().toInt();
        };
        button(400)->setFocus();
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
    testing::ShowAndWait(dlg);
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
    testing::ScriptedMessageBox boxes;
    f.frame->RunCommand(cmd::kCharts);
    EXPECT_EQ(testing::Texts(boxes), QStringList{CResources::Str(10096)});
}

// What the flags of each kind hide and grey, and the options stored back on
// Annuler: "Du" chosen by typing a date, the dates read, the boxes kept.
TEST(PrintDlgTest, FlagsOfEachKindAndOptionsStoredBackOnCancel) {
    CBelvaneDoc doc;
    const struct {
        int flags;
        bool dates, group, screenWidths, sortedEnabled, chart;
        const char* title;
    } cases[] = {
        {0, true, true, true, true, false, "Étendue d'impression"},
        {48, true, true, true, false, false, "Étendue d'impression"},
        {15, false, false, false, false, false, "Étendue d'impression"},
        {71, false, true, false, false, true, "Paramètres d'impression"},
    };
    for (const auto& c : cases) {
        PrintOptions options;
        options.dialogFlags = c.flags;
        CPrintDlg d(doc, options);
        d.show();
        EXPECT_EQ(Child<CDateEdit>(d, "2019")->isVisibleTo(&d), c.dates) << c.flags;
        EXPECT_EQ(Child<CDateEdit>(d, "2019")->isEnabled(), c.dates && !(c.flags & 32)) << c.flags;
        EXPECT_EQ(Child<QGroupBox>(d, "2008")->isVisibleTo(&d), c.group) << c.flags;
        EXPECT_EQ(Child<QCheckBox>(d, "2012")->isVisibleTo(&d), c.screenWidths) << c.flags;
        EXPECT_EQ(Child<QCheckBox>(d, "2026")->isVisibleTo(&d), c.screenWidths) << c.flags;
        EXPECT_EQ(Child<QCheckBox>(d, "2013")->isEnabled(), c.sortedEnabled) << c.flags;
        EXPECT_EQ(Child<QCheckBox>(d, "2017")->isVisibleTo(&d), c.chart) << c.flags;
        EXPECT_EQ(Child<QGroupBox>(d, "2008")->title(), QString::fromUtf8(c.title)) << c.flags;
    }

    PrintOptions options;
    options.from = ToDayDate(2024, 1, 2);
    CPrintDlg d(doc, options);
    EXPECT_TRUE(Child<QRadioButton>(d, "2009")->isChecked());
    EXPECT_EQ(Child<CDateEdit>(d, "2019")->text(), "02.01.24");
    QTest::keyClicks(Child<CDateEdit>(d, "2020"), "15.03.24");
    EXPECT_TRUE(Child<QRadioButton>(d, "2010")->isChecked());
    Child<QCheckBox>(d, "2013")->setChecked(true);
    Child<QCheckBox>(d, "2026")->setChecked(false);
    Child<QPushButton>(d, "2")->click();
    d.StoreOptions(options);
    EXPECT_EQ(std::tie(options.from, options.to, options.sorted, options.fitWidth),
              std::make_tuple(ToDayDate(2024, 1, 2), ToDayDate(2024, 3, 15), true, false));
}

// What a PDF file holds: its pages, and whether the first lies on its side.
struct PdfPages {
    int count = 0;
    bool landscape = false;
};
PdfPages ReadPdfPages(const QString& path) {
    const QByteArray bytes = testing::ReadBytes(path);
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(bytes));
    return {static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r")),
            box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble()};
}

// "Configuration de l'impression" keeps the page in the settings; the preview
// then shows the pages the PDF file gets (the same count, on their side), and
// its print button goes on to the dialog. "Propriétés" in the dialog opens the
// same page setup; the dialog's boxes stay in the pane for the next print.
TEST(PrintCommandsTest, PageSetupKeptAndThePreviewIsThePrint) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("releve.pdf");
    testing::FrameFixture f;
    for (int i = 0; i < 300; ++i)
        f.doc.AddLine(testing::TestLine({2024, 1, 1 + i % 28}, -100 * (i + 1), "observation"));
    f.Make();
    bool turn = true;
    f.modal.On<QPageSetupDialog>([&](QPageSetupDialog& d) {
        EXPECT_EQ(d.printer()->pageLayout().orientation() == QPageLayout::Landscape, !turn);
        d.printer()->setPageOrientation(turn ? QPageLayout::Landscape : QPageLayout::Portrait);
        return QDialog::Accepted;
    });
    f.frame->RunCommand(cmd::kFilePrintSetup);
    EXPECT_TRUE(CurrentPageSetup(CResources::Active()).landscape);

    int previewPages = 0;
    f.modal.On<CPrintPreviewDlg>([&](CPrintPreviewDlg& p) {
        previewPages = p.PageCount();
        Child<QPushButton>(p, "3")->click();
        EXPECT_EQ(p.CurrentPage(), 2);
        return QDialog::Accepted;
    });
    f.modal.On<CPrintDlg>([&](CPrintDlg& d) {
        if (!turn) {
            Child<QCheckBox>(d, "2012")->setChecked(false);
            Child<QPushButton>(d, "2003")->click();
        }
        return PrintToPdf(d, f.modal, pdf);
    });
    f.frame->RunCommand(cmd::kFilePrintPreview);
    const PdfPages turned = ReadPdfPages(pdf);
    EXPECT_EQ(turned.count, previewPages);
    EXPECT_TRUE(turned.landscape);

    turn = false;
    f.frame->RunCommand(cmd::kFilePrint);
    EXPECT_FALSE(f.frame->ActiveView()->GetPrintOptions().screenWidths);
    EXPECT_FALSE(ReadPdfPages(pdf).landscape);
    EXPECT_FALSE(CurrentPageSetup(CResources::Active()).landscape);
}

}  // namespace
}  // namespace belvane
