#include "core/SettingsStore.h"
#include "maintenance/BackupRegistration.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace belvane
