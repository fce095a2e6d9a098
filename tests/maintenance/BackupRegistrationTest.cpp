#include "core/SettingsStore.h"
#include "maintenance/BackupRegistration.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

// Each path is entered once, its destination fixed at its registration: a bare
// file name while no backup directory is set. Only the low 16 bits of the
// stored count are used: 0x10000 is an empty list.
TEST(BackupRegistration, EntersEachPathOnceWithTheDestinationOfItsRegistration) {
    CMemorySettings s;
    s.WriteInt("BackupFiles", "NbrFiles", 0x10000);
    RegisterForBackup(s, "/home/anne/compte.blv");
    s.WriteString("Settings", "BackupDir", "/sauvegardes/");
    RegisterForBackup(s, "/home/anne/compte.blv");
    RegisterForBackup(s, "/home/anne/livret.blv");
    EXPECT_EQ(s.GetInt("BackupFiles", "NbrFiles", -1), 2);
    EXPECT_EQ(s.GetString("BackupFiles", "SourceName0", ""), "/home/anne/compte.blv");
    EXPECT_EQ(s.GetString("BackupFiles", "DestinationName0", ""), "compte.blv");
    EXPECT_EQ(s.GetString("BackupFiles", "SourceName1", ""), "/home/anne/livret.blv");
    EXPECT_EQ(s.GetString("BackupFiles", "DestinationName1", ""), "/sauvegardes/livret.blv");
}

}  // namespace
}  // namespace belvane
