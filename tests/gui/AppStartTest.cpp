#include "app/CBelvaneApp.h"

#include "FrameTestSupport.h"
#include "core/CResourceSet.h"
#include "core/StringTable.h"
#include "gui/support/CResources.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace belvane {
namespace {

// Records the language steps instead of showing the dialog or loading a module;
// the module "loaded" is the built-in set with another language's decimal symbol
// and date format.
struct LanguageSteps {
    std::vector<std::string> calls;
    const CResourceSet module = CResourceSet::Parse(std::string(BuiltinResourceText()) +
                                                    "\n[strings]\n51\t.\n52\t%m/%d/%y\n");

    CBelvaneApp::LanguageHooks Hooks() {
        CBelvaneApp::LanguageHooks hooks;
        hooks.dialog = [this](QWidget*, ISettingsStore&, bool, const QString&) {
            calls.push_back("dialog");
        };
        hooks.load = [this](ISettingsStore& settings, const QString&) {
            // The module is chosen by then.
            calls.push_back("load:" + settings.GetString("Settings", "LanguageDLLName", "?"));
            CResources::SetActive(&module);
        };
        hooks.unload = [this] {
            calls.push_back("unload");
            CResources::SetActive(nullptr);
        };
        return hooks;
    }
};

class AppStart : public ::testing::Test {
protected:
    void TearDown() override {
        QDir::setCurrent(startDir);
        CResources::SetActive(nullptr);
    }

    QTemporaryDir dir;
    const QString startDir = QDir::currentPath();
    CMemorySettings settings;
    LanguageSteps language;
    testing::ScriptedMessageBox box;
};

TEST_F(AppStart, TheFirstStartTakesTheBuiltInLanguageWhenItIsAlone) {
    // No module in the program's directory: the real dialog has nothing to offer
    // and must not wait for the user. Should it ever do, it is ended here.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->done(QDialog::Rejected);
    });
    guard.start(3000);
    CBelvaneApp app(settings, dir.path());
    ASSERT_TRUE(app.Start({}));
    EXPECT_EQ(settings.GetString("Settings", "LanguageDLLName", ""), "Default");
    EXPECT_TRUE(guard.isActive());
    EXPECT_EQ(settings.GetString("", "AppDirectory", ""), ToStd(dir.path()) + "/");
    // A normal exit records that the first start is over.
    ASSERT_TRUE(app.Frame()->close());
    app.Exit();
    EXPECT_EQ(settings.GetInt("Settings", "FirstTimeUse", -1), 0);
}

// A relative name is the shell's: it is opened before the initial directory is
// entered. The register's decimal symbol and date format default to the language's.
TEST_F(AppStart, LaterRunsOpenTheNamedRegisterThenEnterTheInitialDirectory) {
    settings.WriteInt("Settings", "FirstTimeUse", 0);
    testing::WriteRegister(dir.filePath("relatif.blv"), 2);
    const QString other = dir.filePath("ailleurs");
    ASSERT_TRUE(QDir().mkpath(other));
    settings.WriteString("Settings", "InitialDir", (other + "/").toStdString());
    QDir::setCurrent(dir.path());
    CBelvaneApp app(settings, dir.path(), language.Hooks());
    ASSERT_TRUE(app.Start(ParseStartupArguments({"relatif.blv"})));
    EXPECT_EQ(language.calls, (std::vector<std::string>{"load:?"}));
    EXPECT_EQ(app.Document()->GetLineCount(), 2);
    EXPECT_EQ(app.Document()->Format().GetDecimalSymbol(), ".");
    EXPECT_EQ(app.Document()->Format().GetDateFormat(), "%m/%d/%y");
    EXPECT_EQ(app.Frame()->windowTitle(), QStringLiteral("relatif.blv - Belvane"));
    ASSERT_EQ(app.Recent().Count(), 1);
    EXPECT_EQ(app.Recent().Path(0), dir.filePath("relatif.blv").toStdString());
    EXPECT_EQ(QDir::currentPath(), QDir(other).canonicalPath());
}

TEST_F(AppStart, ARefusedCommandLineShowsNothing) {
    CBelvaneApp app(settings, dir.path(), language.Hooks());
    EXPECT_FALSE(app.Start(ParseStartupArguments({"--imprimer", "a.blv"})));
    EXPECT_EQ(app.Frame(), nullptr);
    EXPECT_TRUE(language.calls.empty());
    EXPECT_FALSE(app.SaveScreenshot(dir.filePath("rien.png")));
}

TEST_F(AppStart, CmdShowThreeOpensMaximizedTheScreenshotShowsItAndQtSpeaksFrench) {
    settings.WriteInt("Settings", "CmdShow", 3);
    CBelvaneApp app(settings, dir.path(), language.Hooks());
    ASSERT_TRUE(app.Start({}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return app.Frame()->isMaximized(); }));
    const QString png = dir.filePath("fenetre.png");
    ASSERT_TRUE(app.SaveScreenshot(png));
    EXPECT_EQ(QImage(png).size(), app.Frame()->size());

    // No display name for Qt to append to every dialog's title.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());

    // The save question through the real message box.
    app.Document()->AddLine(testing::TestLine({2024, 7, 14}, -4200));
    IMessageBox::Install(nullptr);
    QStringList buttons;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* question = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!question)
            return;
        answer.stop();
        for (QAbstractButton* b : question->buttons())
            buttons << b->text().remove(u'&');
        question->button(QMessageBox::Cancel)->click();
    });
    answer.start(10);
    EXPECT_FALSE(app.Frame()->close());
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{"Annuler", "Non", "Oui"}));
    app.Exit();
}

}  // namespace
}  // namespace belvane
