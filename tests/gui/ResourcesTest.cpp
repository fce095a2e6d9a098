// The resources in force as Qt takes them: texts, keys, images and cursors, the
// desktop's language, the language modules that replace the built-in set, and
// what that set holds. Reading the text form is tested in tests/core.
#include "FrameTestSupport.h"
#include "core/CResourceSet.h"
#include "gui/support/CLanguageModule.h"
#include "gui/support/CResources.h"
#include "gui/support/DesktopLanguage.h"

#include <QDir>
#include <QImage>

#include <functional>
#include <utility>

namespace belvane {
namespace {

class ResourcesTest : public ::testing::Test {
protected:
    void TearDown() override { CResources::SetActive(nullptr); }
};

TEST_F(ResourcesTest, TheActiveSetAnswersAlone) {
    static const CResourceSet other = CResourceSet::Parse(
        "[strings]\n1\tDoes it\\nShort\\nmore\n2\tPrompt only\n"
        "[dialog 168]\n0\tStatement\n"
        "[image 1]\n/* XPM */\nstatic const char* const x[] = {\n\"3 2 2 1\",\n\". c None\",\n"
        "\"r c #FF0000\",\n\"r.r\",\n\".r.\"};\n"
        "[image 2]\nnot an image at all\n"
        "[cursor 3]\nhotspot\t2\t1\n/* XPM */\nstatic const char* const c[] = {\n\"3 2 2 1\",\n"
        "\". c None\",\n\"k c #000000\",\n\"kkk\",\n\"k.k\"};\n");
    CResources::SetActive(&other);
    EXPECT_EQ(CResources::DialogText(168, 0), QStringLiteral("Statement"));
    // No falling back on the built-in set for what the active set lacks.
    EXPECT_EQ(CResources::Str(10002), QString());
    EXPECT_TRUE(CResources::Image(128).isNull());
    // A command's string is its prompt, then its tooltip.
    EXPECT_EQ(CResources::Prompt(1), QStringLiteral("Does it"));
    EXPECT_EQ(CResources::Tooltip(1), QStringLiteral("Short\nmore"));
    EXPECT_EQ(CResources::Prompt(2), QStringLiteral("Prompt only"));
    EXPECT_EQ(CResources::Tooltip(2), QString());

    const QImage image = CResources::Image(1).toImage();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 0).alpha(), 0);
    EXPECT_TRUE(CResources::Image(2).isNull());
    const QCursor cursor = CResources::Cursor(3);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(2, 1));
    EXPECT_EQ(CResources::Cursor(5).shape(), Qt::ArrowCursor);
}

TEST_F(ResourcesTest, KeysAcceptFrenchAndPortableNames) {
    const std::vector<std::pair<const char*, QKeySequence>> cases = {
        {"Inser", QKeySequence(Qt::Key_Insert)},
        {"Backspace", QKeySequence(Qt::Key_Backspace)},
        {"Alt+RetArr", QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {"Maj+F6", QKeySequence(Qt::SHIFT | Qt::Key_F6)},
        {" Ctrl+M ", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"Ctrl++", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"", QKeySequence()},
        {"Nimporte", QKeySequence()},
        {"Ctrl+", QKeySequence()},
        {"Ctrl+N, Ctrl+O", QKeySequence()}};
    for (const auto& [text, keys] : cases)
        EXPECT_EQ(CResources::Keys(text), keys) << text;
}

TEST(DesktopLanguage, LocalesMapToWindowsLanguageIds) {
    const std::vector<std::pair<QLocale, int>> cases = {
        {QLocale(QLocale::French, QLocale::France), 1036},
        {QLocale(QLocale::French, QLocale::Belgium), 2060},
        {QLocale(QLocale::Zulu, QLocale::SouthAfrica), 1033}};
    for (const auto& [locale, id] : cases)
        EXPECT_EQ(LangIdForLocale(locale), id) << locale.name().toStdString();
    // And back, for Qt's dates and sizes in the interface language.
    const std::vector<std::pair<int, QString>> back = {
        {1036, "fr_FR"}, {2060, "fr_BE"}, {2057, "en_GB"}, {0x7f, "fr_FR"}};
    for (const auto& [id, name] : back)
        EXPECT_EQ(LocaleForLangId(id).name(), name) << id;
}

// Loading language modules: the right key is accepted, everything else falls
// back silently on the built-in set.
const QString kModuleDir = QStringLiteral(BELVANE_TEST_MODULE_DIR);

class LanguageModuleTest : public ResourcesTest {};

TEST_F(LanguageModuleTest, TheConfiguredModuleReplacesEveryResourceUntilFreed) {
    CMemorySettings settings;
    settings.WriteString("Settings", "LanguageDLLName", "belvane_test_en.so");
    {
        CLanguageModule module;
        ASSERT_TRUE(module.LoadConfigured(settings, kModuleDir));
        EXPECT_EQ(module.Language(), "English");
        EXPECT_EQ(&CResources::Active(), module.Resources());
        EXPECT_EQ(CResources::Str(10002), QStringLiteral("There is nothing to undo."));
        // Inspecting the module in use must not free it under the program's feet.
        ASSERT_TRUE(CLanguageModule::Inspect(QDir(kModuleDir).filePath("belvane_test_en.so")));
        EXPECT_TRUE(module.IsLoaded());
        EXPECT_EQ(CResources::Str(90), QStringLiteral("Language"));
    }
    // Freeing the module puts the built-in set back.
    EXPECT_EQ(&CResources::Active(), &CResourceSet::Builtin());
    EXPECT_EQ(CResources::Str(10002), QStringLiteral("Il n'y a aucune action à annuler."));

    CLanguageModule module;  // loading alone changes nothing in force
    ASSERT_TRUE(module.Load(kModuleDir, QStringLiteral("belvane_test_en.so")));
    EXPECT_EQ(&CResources::Active(), &CResourceSet::Builtin());
    module.Unload();
    EXPECT_FALSE(module.IsLoaded());
}

TEST_F(LanguageModuleTest, AnythingButTheRightKeyFallsBackOnTheBuiltinSet) {
    QTemporaryDir dir;
    const QString fake = testing::WriteBytes(dir.filePath("fake.so"), "this is not a library");
    for (const char* file : {"belvane_test_badkey.so", "belvane_test_plain.so",
                             "belvane_test_missing.so", "", "../modules", "Default"}) {
        CMemorySettings settings;
        settings.WriteString("Settings", "LanguageDLLName", file);
        CLanguageModule module;
        EXPECT_FALSE(module.LoadConfigured(settings, kModuleDir)) << file;
        EXPECT_FALSE(module.IsLoaded()) << file;
        EXPECT_EQ(&CResources::Active(), &CResourceSet::Builtin()) << file;
        EXPECT_EQ(settings.GetString("Settings", "LanguageDLLName", "?"), file);
        EXPECT_FALSE(CLanguageModule::Inspect(QDir(kModuleDir).filePath(file))) << file;
    }
    CLanguageModule module;
    EXPECT_FALSE(module.Load(dir.path(), QStringLiteral("fake.so")));
    EXPECT_FALSE(CLanguageModule::Inspect(fake));
    // GetLanguage is needed to be listed, not to be loaded.
    EXPECT_TRUE(module.Load(kModuleDir, QStringLiteral("belvane_test_nolang.so")));
    EXPECT_EQ(module.Language(), "");
    EXPECT_FALSE(CLanguageModule::Inspect(QDir(kModuleDir).filePath("belvane_test_nolang.so")));
}

// Every command of the built-in menus, toolbar and keys has a prompt, a line
// break, then its tooltip; every key reads as Qt's.
TEST(ResourceBuiltin, CommandsHaveAPromptAndATooltipAndKeysRead) {
    const CResourceSet& fr = CResourceSet::Builtin();
    std::vector<int> commands = *fr.Toolbar(128);
    const std::function<void(const std::vector<CResourceSet::MenuItem>&)> walk =
        [&](const std::vector<CResourceSet::MenuItem>& items) {
            for (const CResourceSet::MenuItem& item : items) {
                if (item.kind == CResourceSet::MenuItem::Kind::Command)
                    commands.push_back(item.id);
                walk(item.children);
            }
        };
    for (const int id : {128, 209, 190, 219, 231, 221}) {
        ASSERT_NE(fr.Menu(id), nullptr) << "menu " << id;
        walk(*fr.Menu(id));
    }
    for (const auto& a : *fr.Accelerators(128)) {
        EXPECT_FALSE(CResources::Keys(a.keys).isEmpty()) << a.keys;
        commands.push_back(a.command);
    }
    std::erase(commands, 0);  // the toolbar's separators
    for (const int id : commands)
        EXPECT_FALSE(CResources::Prompt(id).isEmpty() || CResources::Tooltip(id).isEmpty()) << id;
    EXPECT_EQ(fr.String(95), "1036");  // the language identifier, read as a number
}

}  // namespace
}  // namespace belvane
