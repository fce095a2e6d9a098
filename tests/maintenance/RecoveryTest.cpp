// Which recovery file holds changes to offer for a register, and the writer
// that keeps them away from the window's thread.
#include "maintenance/RecoveryFiles.h"
#include "maintenance/RecoveryWriter.h"

#include "FileBuilder.h"
#include "ScratchDir.h"
#include "core/RegisterFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace belvane {
namespace {

namespace fs = std::filesystem;

TEST(Recovery, OffersTheNewestChangesOfARunThatEndedAndSetsTheOthersAside) {
    const std::string reg = "/comptes/compte.blv";
    const std::set<long long> running = {13, 21};
    const auto name = [&](long long pid) { return RecoveryFileName(reg, pid); };
    // Written at these times; the register's file at 1000, the machine started at 600.
    const std::vector<RecoveryFile> files = {
        {name(11), 1500},
        {name(10), 2000},
        {name(12), 900},                                     // older than the register's file
        {name(13), 3000},                                    // a window still open
        {name(15), 500},                                     // before the machine started
        {RecoveryFileName("/comptes/autre.blv", 14), 5000},  // another register
        {"notes.txt", 4000},
        {"compte.blv.0123456789abcdef.x.blv", 4000},
    };
    const RecoveryChoice choice = ChooseRecovery(
        files, reg, 1000, 600, [&](long long pid) { return running.count(pid) > 0; });
    ASSERT_TRUE(choice.offer);
    EXPECT_EQ(choice.offer->name, name(10));
    EXPECT_EQ(choice.setAside, (std::vector<std::string>{name(11), name(12), name(15)}));

    // The register saved since: nothing to offer, all set aside.
    const RecoveryChoice saved = ChooseRecovery(
        files, reg, 2500, 600, [&](long long pid) { return running.count(pid) > 0; });
    EXPECT_FALSE(saved.offer);
    EXPECT_EQ(saved.setAside.size(), 4u);

    // An untitled register's changes: no file to be newer than.
    const std::string untitled = RecoveryFileName({}, 30);
    EXPECT_TRUE(untitled.starts_with("sans-titre."));
    EXPECT_EQ(
        ChooseRecovery({{untitled, 1}, {name(31), 2}}, {}, 0, 0, [](long long) { return false; })
            .offer->name,
        untitled);
    EXPECT_NE(name(10), RecoveryFileName("/autres/compte.blv", 10)) << "the same name elsewhere";

    EXPECT_FALSE(AsideExpired(1000, 1000 + kAsideKeptSeconds));
    EXPECT_TRUE(AsideExpired(1000, 1000 + kAsideKeptSeconds + 1));
}

TEST(Recovery, SetAsideFilesAreKeptThirtyDays) {
    const testutil::ScratchDir dir;
    const std::string folder = dir.Path().string();
    testutil::WriteFile(dir.File("a.blv"), "a");
    testutil::WriteFile(dir.File("b.blv"), "b");
    const std::time_t now = 2000000000;
    SetAside(folder, "a.blv", now - kAsideKeptSeconds - 10);
    SetAside(folder, "b.blv", now);  // the older one goes now
    EXPECT_FALSE(fs::exists(AsideFolder(folder) + "/a.blv"));
    EXPECT_EQ(testutil::ReadFile(AsideFolder(folder) + "/b.blv"), "b");
    EXPECT_FALSE(fs::exists(dir.File("b.blv")));
}

// A write copies the register and writes it whole; requests keep their order.
TEST(Recovery, WriterWritesTheCopyAndKeepsTheOrderOfRequests) {
    const testutil::ScratchDir dir;
    const std::string file = dir.File("sub/compte.blv");
    CRegistre reg;
    reg.m_lignes.resize(3000);
    reg.m_lignes[2999].m_observation = "la dernière";
    RecoveryWriter writer;
    EXPECT_FALSE(writer.Write(reg, file)) << "no room for the copy yet: it is made first";
    writer.Wait();
    ASSERT_TRUE(writer.Write(reg, file));
    reg.m_lignes[2999].m_observation = "changée après la copie";
    writer.Wait();
    EXPECT_TRUE(writer.LastStatus().ok());
    CRegistre back;
    const std::string bytes = testutil::ReadFile(file);
    ASSERT_TRUE(ReadRegister(testutil::AsBytes(bytes), back).status.ok());
    EXPECT_EQ(back.m_lignes.size(), 3000u);
    EXPECT_EQ(back.m_lignes[2999].m_observation, "la dernière");

    ASSERT_TRUE(writer.Write(reg, file));
    writer.Remove(file);
    writer.Wait();
    EXPECT_FALSE(fs::exists(file)) << "removed after the write asked before";
}

}  // namespace
}  // namespace belvane
