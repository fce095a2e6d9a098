#include "gui/dialogs/print/CPrintDlg.h"

#include "DialogTestSupport.h"
#include "gui/dialogs/print/CPrintPreviewDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/window/CBelvaneView.h"
#include "uilogic/CommandIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QRadioButton>

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
        {0, true, true, true, true, false, "Etendue d'impression"},
        {48, true, true, true, false, false, "Etendue d'impression"},
        {15, false, false, false, false, false, "Etendue d'impression"},
        {5, false, true, true, false, false, "Etendue d'impression"},
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
    Child<QPushButton>(d, "2")->click();
    d.StoreOptions(options);
    EXPECT_EQ(std::tie(options.from, options.to, options.sorted),
              std::make_tuple(ToDayDate(2024, 1, 2), ToDayDate(2024, 3, 15), true));
}

// The preview command shows the pages one at a time; its print button goes on
// to the dialog, whose PDF entry writes the file and keeps the boxes unticked
// in the pane for the next print.
TEST(PrintCommandsTest, PreviewThenPrintToAPdfFile) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("releve.pdf");
    FrameFixture f;
    for (int i = 0; i < 100; ++i)
        f.doc.AddLine(TestLine({2024, 1, 1 + i % 28}, -100 * (i + 1)));
    f.Make();
    int pages = 0, shownAfterNext = 0;
    testing::Scripted<CPrintPreviewDlg> preview([&](CPrintPreviewDlg& p) {
        pages = p.PageCount();
        Child<QPushButton>(p, "3")->click();
        shownAfterNext = p.CurrentPage();
        return static_cast<int>(QDialog::Accepted);
    });
    testing::Scripted<CPrintDlg> print([](CPrintDlg& d) {
        auto* printers = Child<QComboBox>(d, "2002");
        printers->setCurrentIndex(printers->count() - 1);
        Child<QCheckBox>(d, "2012")->setChecked(false);
        d.accept();
        return d.result();
    });
    CPrintDlg::SetPdfAsker([&](QWidget*, const QString&) { return pdf; });
    f.frame->RunCommand(cmd::kFilePrintPreview);
    CPrintDlg::SetPdfAsker({});

    EXPECT_EQ(pages, 2);
    EXPECT_EQ(shownAfterNext, 2);
    EXPECT_GT(QFileInfo(pdf).size(), 0);
    EXPECT_FALSE(f.frame->ActiveView()->GetPrintOptions().screenWidths);
}

}  // namespace
}  // namespace belvane
