// The language dialog: its list, preselection, texts, keyboard and OK.
#include "DialogTestSupport.h"
#include "gui/dialogs/settings/CLanguageDlg.h"
#include "gui/support/CResources.h"

#include <QLabel>

namespace belvane {
namespace {

const QString kModuleDir = QStringLiteral(BELVANE_TEST_MODULE_DIR);
constexpr int kFrench = 1036;

std::string SelectedFile(const CLanguageDlg& dlg) {
    const int index = dlg.SelectedEntry();
    return index < 0 ? std::string() : dlg.Entries()[static_cast<std::size_t>(index)].fileName;
}

// The list and preselection rules are LanguageChoiceTest's; here they reach the
// list, the dialog speaks the language being chosen, and OK writes the choice.
TEST(LanguageDlg, SpeaksTheLanguageBeingChosenAndOkWritesIt) {
    CMemorySettings settings;
    CLanguageDlg dlg(nullptr, settings, false, kModuleDir, kFrench);
    ASSERT_EQ(dlg.List()->count(), 2);
    EXPECT_EQ(dlg.List()->item(0)->text(), "English");
    EXPECT_EQ(dlg.List()->item(1)->data(Qt::DecorationRole).value<QPixmap>().size(),
              QSize(200, 18));
    EXPECT_EQ(SelectedFile(dlg), "Default");
    auto* ok = testing::Child<QPushButton>(dlg, 1);
    auto* cancel = testing::Child<QPushButton>(dlg, 2);
    auto* text = testing::Child<QLabel>(dlg, 1192);
    EXPECT_EQ(dlg.windowTitle(), "Langue");
    EXPECT_EQ(text->text(), CResources::Str(93));

    // A selected banner is drawn inverted, except its flag.
    dlg.show();
    QListWidget* list = dlg.List();
    const QPoint origin = list->visualItemRect(list->item(1)).topLeft();
    const QPoint flag = origin + QPoint(13, 9);         // white middle band of the flag
    const QPoint background = origin + QPoint(150, 1);  // white, right of the word
    const QImage shot = list->viewport()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(flag), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(background), QColor(Qt::black));

    QTest::keyClick(dlg.List(), Qt::Key_E);  // the letter search is LanguageChoiceTest's
    EXPECT_EQ(SelectedFile(dlg), "belvane_test_en.so");
    EXPECT_EQ(list->viewport()->grab().toImage().pixelColor(background), QColor(Qt::white));
    EXPECT_EQ(dlg.windowTitle(), "Language");
    EXPECT_EQ(cancel->text(), "Cancel");
    EXPECT_EQ(text->text(), "The change takes effect the next time the program starts.");
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_FALSE(settings.Contains("Settings", "LanguageDLLName"));

    // Without a selection: the running language's texts, and OK does nothing.
    dlg.show();
    dlg.SelectEntry(-1);
    EXPECT_EQ(dlg.windowTitle(), "Langue");
    EXPECT_FALSE(ok->isEnabled());
    dlg.accept();
    EXPECT_TRUE(dlg.isVisible());
    dlg.SelectEntry(1);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(settings.GetString("Settings", "LanguageDLLName", ""), "belvane_test_en.so");

    // At the first start there is no Annuler, Escape does nothing, and the text
    // welcomes.
    CLanguageDlg first(nullptr, settings, true, kModuleDir, 1033);
    EXPECT_FALSE(testing::Child<QPushButton>(first, 2)->isVisibleTo(&first));
    EXPECT_EQ(testing::Child<QLabel>(first, 1192)->text(),
              "Welcome! Choose the language of the program.");
    first.show();
    first.reject();
    EXPECT_TRUE(first.isVisible());
}

}  // namespace
}  // namespace belvane
