#include "gui/dialogs/print/CPrintDlg.h"

#include "DialogTestSupport.h"
#include "gui/dialogs/print/CPrintPreviewDlg.h"
#include "gui/paint/CQtSettings.h"
#include "gui/paint/PrintPageSetup.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>

namespace belvane {
namespace {

using testing::Child;
using testing::FrameFixture;
using testing::TestLine;

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
        {5, false, true, true, false, false, "Étendue d'impression"},
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
    PdfPages pages;
    pages.count = static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"));
    const QRegularExpressionMatch box =
        QRegularExpression(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"))
            .match(QString::fromLatin1(bytes));
    pages.landscape = box.hasMatch() && box.captured(1).toDouble() > box.captured(2).toDouble();
    return pages;
}

// "Configuration de l'impression" keeps the page in the settings; the preview
// then shows the pages the PDF file gets (the same count, on their side), and
// its print button goes on to the dialog. "Propriétés" in the dialog opens the
// same page setup; the dialog's boxes stay in the pane for the next print.
TEST(PrintCommandsTest, PageSetupKeptAndThePreviewIsThePrint) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("releve.pdf");
    FrameFixture f;
    for (int i = 0; i < 300; ++i)
        f.doc.AddLine(TestLine({2024, 1, 1 + i % 28}, -100 * (i + 1), "observation"));
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
        auto* printers = Child<QComboBox>(d, "2002");
        printers->setCurrentIndex(printers->count() - 1);
        if (!turn) {
            Child<QCheckBox>(d, "2012")->setChecked(false);
            Child<QPushButton>(d, "2003")->click();
        }
        f.modal.paths << pdf;  // the file asked on OK
        d.accept();
        return d.result();
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
