#include "core/CBelvaneDoc.h"
#include "core/SettingsStore.h"
#include "maintenance/BackupRegistration.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace belvane {
namespace {

TEST(BackupRegistration, EntersEachPathOnce) {
    CMemorySettings s;
    s.WriteString("Settings", "BackupDir", "/sauvegardes/");
    RegisterForBackup(s, "/home/anne/compte.blv");
    RegisterForBackup(s, "/home/anne/compte.blv");
    RegisterForBackup(s, "/home/anne/livret.blv");
    EXPECT_EQ(s.GetInt("BackupFiles", "NbrFiles", -1), 2);
    EXPECT_EQ(s.GetString("BackupFiles", "SourceName0", ""), "/home/anne/compte.blv");
    EXPECT_EQ(s.GetString("BackupFiles", "DestinationName0", ""), "/sauvegardes/compte.blv");
    EXPECT_EQ(s.GetString("BackupFiles", "SourceName1", ""), "/home/anne/livret.blv");
    EXPECT_EQ(s.GetString("BackupFiles", "DestinationName1", ""), "/sauvegardes/livret.blv");
}

TEST(BackupRegistration, DestinationIsFixedAtRegistration) {
    CMemorySettings s;
    RegisterForBackup(s, "/home/anne/compte.blv");  // no BackupDir: a bare file name
    s.WriteString("Settings", "BackupDir", "/ailleurs/");
    RegisterForBackup(s, "/home/anne/compte.blv");
    EXPECT_EQ(s.GetInt("BackupFiles", "NbrFiles", -1), 1);
    EXPECT_EQ(s.GetString("BackupFiles", "DestinationName0", ""), "compte.blv");
}

TEST(BackupRegistration, OnlyTheLow16BitsOfTheCountAreUsed) {
    CMemorySettings s;
    s.WriteInt("BackupFiles", "NbrFiles", 0x10000);
    RegisterForBackup(s, "/a.blv");
    EXPECT_EQ(s.GetInt("BackupFiles", "NbrFiles", -1), 1);
    EXPECT_EQ(s.GetString("BackupFiles", "SourceName0", ""), "/a.blv");
}

class SaveRegistersBackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Tests run in parallel processes: a folder of each test's own.
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir =
            std::filesystem::path(::testing::TempDir()) /
            ("belvane-backup-test-" + std::string(info->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::filesystem::path dir;
};

TEST_F(SaveRegistersBackupTest, SavingAMarkedRegisterTwiceListsItOnce) {
    CMemorySettings s;
    CBelvaneDoc doc;
    const std::string path = (dir / "compte.blv").string();
    std::string error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &s, error)) << error;
    EXPECT_EQ(s.GetInt("BackupFiles", "NbrFiles", 0), 0);  // not marked yet
    doc.ToggleBackup();
    ASSERT_TRUE(doc.OnSaveDocument(path, &s, error)) << error;
    ASSERT_TRUE(doc.OnSaveDocument(path, &s, error)) << error;
    EXPECT_EQ(s.GetInt("BackupFiles", "NbrFiles", 0), 1);
    EXPECT_EQ(s.GetString("BackupFiles", "SourceName0", ""), path);
    EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace belvane
