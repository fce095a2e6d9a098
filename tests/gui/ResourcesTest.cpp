// The resources in force as Qt takes them: texts, keys, images and cursors, the
// desktop's language, the language modules that replace the built-in set, and
// what that set holds. Reading the text form is tested in tests/core.
#include "FrameTestSupport.h"
#include "core/CResourceSet.h"
#include "gui/support/CLanguageModule.h"
#include "gui/support/CResources.h"
#include "gui/support/DesktopLanguage.h"
#include "uilogic/CommandIds.h"

#include <QDir>
#include <QImage>

#include <set>
#include <utility>

namespace belvane {
namespace {

class ResourcesTest : public ::testing::Test {
protected:
    void TearDown() override { CResources::SetActive(nullptr); }
};

TEST_F(ResourcesTest, TheActiveSetAnswersAlone) {
    EXPECT_EQ(&CResources::Active(), &CResourceSet::Builtin());
    EXPECT_EQ(CResources::Str(57345), QStringLiteral("Pour l'aide, appuyez sur F1"));
    static const CResourceSet other = CResourceSet::Parse(
        "[strings]\n57345\tFor help, press F1\n1\tDoes it\\nShort\\nmore\n2\tPrompt only\n"
        "[dialog 168]\n0\tStatement\n"
        "[image 1]\n/* XPM */\nstatic const char* const x[] = {\n\"3 2 2 1\",\n\". c None\",\n"
        "\"r c #FF0000\",\n\"r.r\",\n\".r.\"};\n"
        "[image 2]\nnot an image at all\n"
        "[cursor 3]\nhotspot\t2\t1\n/* XPM */\nstatic const char* const c[] = {\n\"3 2 2 1\",\n"
        "\". c None\",\n\"k c #000000\",\n\"kkk\",\n\"k.k\"};\n");
    CResources::SetActive(&other);
    EXPECT_EQ(&CResources::Active(), &other);
    EXPECT_EQ(CResources::Str(57345), QStringLiteral("For help, press F1"));
    EXPECT_EQ(CResources::DialogText(168, 0), QStringLiteral("Statement"));
    // No falling back on the built-in set for what the active set lacks.
    EXPECT_EQ(CResources::Str(10002), QString());
    EXPECT_TRUE(CResources::Image(128).isNull());
    // A command's string is its prompt, then its tooltip.
    EXPECT_EQ(CResources::Prompt(1), QStringLiteral("Does it"));
    EXPECT_EQ(CResources::Tooltip(1), QStringLiteral("Short\nmore"));
    EXPECT_EQ(CResources::Prompt(2), QStringLiteral("Prompt only"));
    EXPECT_EQ(CResources::Tooltip(2), QString());
    EXPECT_EQ(CResources::Prompt(3), QString());

    const QImage image = CResources::Image(1).toImage();
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(1, 0).alpha(), 0);
    EXPECT_TRUE(CResources::Image(2).isNull());
    const QCursor cursor = CResources::Cursor(3);
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(2, 1));
    EXPECT_EQ(cursor.pixmap().size(), QSize(3, 2));
    EXPECT_EQ(CResources::Cursor(5).shape(), Qt::ArrowCursor);

    CResources::SetActive(nullptr);
    EXPECT_EQ(CResources::DialogText(168, 0), QStringLiteral("Passage en Mode Relevé"));
}

TEST_F(ResourcesTest, KeysAcceptFrenchAndPortableNames) {
    const std::vector<std::pair<const char*, QKeySequence>> cases = {
        {"Inser", QKeySequence(Qt::Key_Insert)},
        {"Backspace", QKeySequence(Qt::Key_Backspace)},
        {"Alt+RetArr", QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {"Shift+F6", QKeySequence(Qt::SHIFT | Qt::Key_F6)},
        {"Maj+F6", QKeySequence(Qt::SHIFT | Qt::Key_F6)},
        {" Ctrl+M ", QKeySequence(Qt::CTRL | Qt::Key_M)},
        {"Ctrl++", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"", QKeySequence()},
        {"Nimporte", QKeySequence()},
        {"Ctrl+", QKeySequence()},
        {"Ctrl+N, Ctrl+O", QKeySequence()},
    };
    for (const auto& [text, keys] : cases)
        EXPECT_EQ(CResources::Keys(text), keys) << text;
}

TEST(DesktopLanguage, LocalesMapToWindowsLanguageIds) {
    const std::vector<std::pair<QLocale, int>> cases = {
        {QLocale(QLocale::French, QLocale::France), 1036},
        {QLocale(QLocale::French, QLocale::Belgium), 2060},
        {QLocale(QLocale::French, QLocale::Senegal), 1036},
        {QLocale(QLocale::Zulu, QLocale::SouthAfrica), 1033},
        {QLocale::c(), 1033},
    };
    for (const auto& [locale, id] : cases)
        EXPECT_EQ(LangIdForLocale(locale), id) << locale.name().toStdString();
    // And back, for Qt's dates and sizes in the interface language.
    const std::vector<std::pair<int, QString>> back = {
        {1036, "fr_FR"}, {2060, "fr_BE"}, {1033, "en_US"}, {2057, "en_GB"},
        {1031, "de_DE"}, {0x7f, "fr_FR"}, {0, "fr_FR"}};
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
        // The setting is left as it was.
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

// The built-in French resource set holds every numbered resource the program
// looks up, with the placeholders its code fills in.
const CResourceSet& Fr() {
    return CResourceSet::Builtin();
}

// Every command that a menu, the toolbar or an accelerator carries.
const std::set<int> kCommands = {32775, 32776, 32777, 32778, 32779, 32780, 32781, 32782, 32786,
                                 32787, 32788, 32789, 32790, 32791, 32792, 32793, 32796, 32824,
                                 32838, 32839, 32840, 32844, 32849, 32852, 32854, 57600, 57601,
                                 57603, 57604, 57606, 57607, 57608, 57609, 57643, 57653, 57664,
                                 57665, 57670, 57680, 57681, 59392, 59393, 2};

TEST(ResourceBuiltin, HasEveryMessageAndFrameworkString) {
    std::vector<int> ids = {50,    51,    52,    90,    91,    92,    93,    94,    95,
                            96,    128,   57344, 57345, 59137, 59138, 59139, 59142, 59143,
                            59144, 61440, 61441, 61442, 61698, 61699, 61704, 61705, 61706};
    // The messages, 10000 to 10115, less the numbers nothing uses; the column titles.
    const std::pair<int, int> ranges[] = {{10000, 10043}, {10046, 10089}, {10091, 10094},
                                          {10096, 10110}, {10112, 10115}, {57616, 57624}};
    for (const auto& [first, last] : ranges)
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
    for (const int id : ids)
        EXPECT_FALSE(Fr().String(id).empty()) << "string " << id;
    EXPECT_EQ(Fr().String(95), "1036");  // the language identifier, read as a number
}

// Each command has a prompt, a line break, then its tooltip; the menus and the
// accelerators carry known commands.
TEST(ResourceBuiltin, CommandsHaveAPromptAndATooltipAndMenusAndKeysCarryThem) {
    for (const int id : kCommands)
        EXPECT_FALSE(CResources::Prompt(id).isEmpty() || CResources::Tooltip(id).isEmpty()) << id;
    for (const int id : {128, 209, 190, 219, 231, 221})
        EXPECT_NE(Fr().Menu(id), nullptr) << "menu " << id;
    const auto* keys = Fr().Accelerators(128);
    ASSERT_NE(keys, nullptr);
    for (const auto& a : *keys) {
        EXPECT_FALSE(CResources::Keys(a.keys).isEmpty()) << a.keys;
        EXPECT_TRUE(kCommands.contains(a.command)) << a.command;
    }
}

}  // namespace
}  // namespace belvane
