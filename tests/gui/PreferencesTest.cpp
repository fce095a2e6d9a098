// The preferences, summary, about and calculator commands of the frame: each
// reaches its dialog, and what the dialog returns reaches the register and the
// settings.
#include "DialogTestSupport.h"
#include "gui/dialogs/preferences/CAboutDlg.h"
#include "gui/dialogs/preferences/CCouleursPropPage.h"
#include "gui/dialogs/preferences/CDimensionsPropPage.h"
#include "gui/dialogs/preferences/CPreferencesSheet.h"
#include "gui/dialogs/preferences/CResumeDlg.h"
#include "gui/dialogs/preferences/ColorSample.h"
#include "gui/support/FontConversions.h"
#include "uilogic/CommandIds.h"

#include <QAction>
#include <QComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>

namespace belvane {
namespace {

using testing::FrameFixture;
using testing::ScriptedMessageBox;

class PreferenceCommands : public ::testing::Test {
protected:
    void SetUp() override {
        f.settings.WriteString("Settings", "DateFormat", "%y-%m-%d");
        f.doc.SetFormatSettings("%y-%m-%d", ",");
        f.Make();
    }
    void RunSheet(const std::function<void(CPreferencesSheet&)>& script) {
        f.modal.On<CPreferencesSheet>([script](CPreferencesSheet& sheet) {
            script(sheet);
            return sheet.result();
        });
        f.frame->Action(cmd::kPreferences)->trigger();
    }

    FrameFixture f;
    ScriptedMessageBox box;
};

TEST_F(PreferenceCommands, RemovingEveryColumnLeavesTheDisplayAloneElsewhere) {
    RunSheet([](CPreferencesSheet& sheet) {
        sheet.Columns()->Displayed()->selectAll();
        testing::Click(sheet, "1269");
        sheet.accept();
    });
    EXPECT_TRUE(f.doc.GetColumns().empty());
    EXPECT_TRUE(f.doc.IsModified()) << "OK marks the register modified";
    // The other pages were never shown: their settings stay as they were.
    EXPECT_EQ(f.settings.GetString("Settings", "DateFormat", ""), "%y-%m-%d");
    EXPECT_FALSE(f.settings.Contains("Settings", "BackupDir"));
    EXPECT_EQ(f.doc.Format().GetDateFormat(), "%y-%m-%d");
}

TEST_F(PreferenceCommands, PagesShownWriteTheirSettingsAndABadSymbolIsRefused) {
    RunSheet([this](CPreferencesSheet& sheet) {
        sheet.show();
        QListWidget* displayed = sheet.Columns()->Displayed();
        auto* width = sheet.findChild<QSpinBox*>("1273");
        displayed->item(0)->setSelected(true);  // the issue date has no width
        EXPECT_FALSE(width->isVisible());
        displayed->clearSelection();
        displayed->item(displayed->count() - 1)->setSelected(true);  // the observation
        EXPECT_TRUE(width->isVisible());
        width->setValue(40);
        sheet.Tabs()->setCurrentIndex(CPreferencesSheet::kColors);
        sheet.Colors()->SetColor(2 * kStyleSelected + 1, 0x00FF00);
        EXPECT_EQ(sheet.Colors()->Sample(kStyleSelected)->BackgroundColor(), QColor(0, 255, 0));
        sheet.Tabs()->setCurrentIndex(CPreferencesSheet::kDirectories);
        testing::Child<QLineEdit>(sheet, "1183")->setText("/copies");
        sheet.Tabs()->setCurrentIndex(CPreferencesSheet::kDisplay);
        auto* format = sheet.findChild<QComboBox*>("1263");
        EXPECT_EQ(format->currentText(), "yy-mm-dd");
        format->setCurrentText("mm/dd/yy");
        auto* symbol = sheet.findChild<QComboBox*>("1261");
        symbol->setEditText("a");
        // The font dialog takes its title from its button, mnemonic left out.
        f.modal.On<QFontDialog>([](QFontDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Lignes de transactions");
            return int(QDialog::Rejected);
        });
        testing::Click(sheet, "1277");
        sheet.Tabs()->setCurrentIndex(CPreferencesSheet::kColumns);
        sheet.accept();
        EXPECT_EQ(sheet.result(), QDialog::Rejected) << "the sheet stays open";
        EXPECT_EQ(sheet.Tabs()->currentIndex(), CPreferencesSheet::kDisplay);
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_TRUE(box.shown[0].text.startsWith(QStringLiteral("Le symbole décimal")));
        symbol->setEditText(".");
        sheet.accept();
    });
    EXPECT_EQ(f.doc.GetWidths()[kWidthObservation], 40);
    EXPECT_EQ(f.doc.GetColor(true, kStyleSelected), 0x00FF00u);
    EXPECT_EQ(f.settings.GetString("Settings", "BackupDir", ""), "/copies/");
    EXPECT_EQ(f.settings.GetString("Settings", "DateFormat", ""), "%m/%d/%y");
    EXPECT_EQ(f.settings.GetString("Settings", "DecimalSymbol", ""), ".");
    EXPECT_EQ(f.settings.GetString("Settings", "PrintFontHeader", ""), "Arial,120,700,0,1");
    EXPECT_EQ(f.doc.Format().GetDateFormat(), "%m/%d/%y");
    EXPECT_EQ(f.doc.Format().GetDecimalSymbol(), ".");
}

TEST_F(PreferenceCommands, SummaryShowsTheAmountUnsignedAndStoresItSigned) {
    f.doc.SetMontantInitial(-12540);
    f.modal.On<CResumeDlg>([](CResumeDlg& d) {
        EXPECT_EQ(d.windowTitle(), "Résumé de 'Sans-Nom'");
        EXPECT_EQ(testing::Child<QLineEdit>(d, "1026")->text(), "125,40");
        testing::Edit(d, "1095")->setText(QStringLiteral("Caisse d'Épargne"));
        d.accept();
        return d.result();
    });
    f.frame->Action(cmd::kSummary)->trigger();
    EXPECT_EQ(f.doc.GetMontantInitial(), -12540);
    EXPECT_EQ(f.doc.GetResume().banque, "Caisse d'Épargne");
}

// OK without touching the font dialog keeps the register's font: it opens on
// the font's own style, not on its family's first (an oblique one for DejaVu),
// and a face the machine draws with another family is kept.
TEST(FontDialog, OpensOnTheFontsOwnStyle) {
    for (const char* face : {"DejaVu Sans Mono", "Courier New"})
        for (const bool italic : {false, true}) {
            const CPolice police = CPolice::Make(face, 100, 400, italic, false, false, 0, 0x31);
            const QFont opened =
                QFontDialog(ForFontDialog(ScreenFont(police)), nullptr).currentFont();
            EXPECT_EQ(PoliceOf(opened, police), police) << face << " " << italic;
        }
}

TEST_F(PreferenceCommands, CalculatorThatCannotStartIsReported) {
    for (const char* command : {"/nonexistent/calculatrice --x", ""}) {
        box.shown.clear();
        f.settings.WriteString("Settings", "Calculator", command);
        f.frame->Action(cmd::kCalculator)->trigger();
        EXPECT_EQ(testing::Texts(box), QStringList{"Impossible de lancer la calculatrice."})
            << command;
    }
}

TEST(AboutBox, ShowsTheVersionAndOpensItsLinks) {
    std::vector<QUrl> opened;
    CAboutDlg::SetUrlOpener([&](const QUrl& url) { opened.push_back(url); });
    CAboutDlg about("3.7", "https://example.org/", "aide@example.org");
    about.show();
    EXPECT_EQ(testing::Child<QLabel>(about, "1000")->text(), "Belvane version 3.7");
    auto* support = about.findChild<QLabel*>("1189");
    EXPECT_EQ(support->palette().color(QPalette::WindowText), QColor(0, 0, 238));
    QTest::mouseClick(about.findChild<QLabel*>("1190"), Qt::LeftButton);
    QTest::mouseClick(support, Qt::LeftButton);
    EXPECT_EQ(opened,
              (std::vector<QUrl>{QUrl("https://example.org/"), QUrl("mailto:aide@example.org")}));
    CAboutDlg::SetUrlOpener({});

    CAboutDlg bare("3.7", QString(), QString());
    bare.show();
    EXPECT_FALSE(testing::Child<QLabel>(bare, "1190")->isVisible());
    EXPECT_FALSE(testing::Child<QLabel>(bare, "label2002")->isVisible());
}

}  // namespace
}  // namespace belvane
