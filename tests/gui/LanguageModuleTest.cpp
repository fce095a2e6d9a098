// Loading language modules: the right key is accepted, everything else falls
// back silently on the built-in set.
#include "FrameTestSupport.h"
#include "gui/support/CLanguageModule.h"
#include "gui/support/CResources.h"

#include <QDir>

namespace belvane {
namespace {

const QString kModuleDir = QStringLiteral(BELVANE_TEST_MODULE_DIR);

class LanguageModuleTest : public ::testing::Test {
protected:
    void TearDown() override { CResources::SetActive(nullptr); }
};

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

}  // namespace
}  // namespace belvane
