// A register save killed at any moment leaves the file old or new, never
// half-written, and leaves nothing that stops the next save.
#include "KillDuringSave.h"
#include "ScratchDir.h"
#include "core/CRegistre.h"
#include "core/RegisterFile.h"
#include "core/SafeFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace belvane {
namespace {

// The bytes of a register of `lines` lines; `variant` changes every amount.
std::string RegisterBytes(int lines, int variant) {
    CRegistre reg;
    reg.m_lignes.resize(lines);
    for (int i = 0; i < lines; ++i) {
        CLigne& l = reg.m_lignes[i];
        l.m_dateEmission = 738000 + i / 20;
        l.m_montant = (i % 7 - 3) * 1234 + variant;
        l.m_reference = std::to_string(100000 + i);
        l.m_paiement = i % 3 ? "Carte" : "Chèque";
        l.m_rubrique = "Alimentation";
        l.m_observation = "Courses de la semaine n° " + std::to_string(i % 52);
    }
    return WriteRegister(reg);
}

TEST(SaveKill, RegisterFileIsOldOrNewAfterEveryKill) {
    testutil::ScratchDir dir(testutil::KillTestBase());
    const std::string path = dir.File("compte.blv");
    const std::string bytes[2] = {RegisterBytes(50000, 0), RegisterBytes(50000, 1)};
    testutil::WriteFile(path, bytes[0]);

    // Each round saves the register the file does not hold. The kills are spread
    // over the part of the save that touches the disk: the register's bytes are
    // made beforehand, as the document's save makes them before writing.
    const auto report = testutil::KillDuringSave(
        [&](int) {
            const int next = testutil::ReadFile(path) == bytes[0] ? 1 : 0;
            return testutil::SaveUnderTest{
                {{path, bytes[1 - next], bytes[next]}},
                [&bytes, next, path] { return WriteFileAtomically(path, bytes[next]).ok(); }};
        },
        200);

    // The kills leave temporary files; the next save removes those over a minute
    // old, and nothing but them.
    const std::vector<std::string> others = {"compte.blv", ".compte.blv.lock", ".compte.blv.ab1",
                                             ".autre.blv.AbC123", "compte.blv.AbC123"};
    for (const std::string& name : others)
        if (name != "compte.blv")
            testutil::WriteFile(dir.File(name), "x");
    const auto names = [&] {
        std::vector<std::string> all;
        for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
            all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    };
    const std::size_t leftovers = names().size() - others.size();
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
    for (const auto& e : std::filesystem::directory_iterator(dir.Path()))
        std::filesystem::last_write_time(e.path(), old);
    ASSERT_TRUE(WriteFileAtomically(path, bytes[0]).ok());
    std::vector<std::string> expected = others;
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names(), expected);

    std::cout << "save of " << bytes[0].size() << " bytes: " << report.saveMs << " ms; "
              << report.killed << " of 200 killed, " << report.allBefore << " old, "
              << report.allAfter << " new; " << leftovers
              << " temporary files left, removed by the next save\n";
    EXPECT_TRUE(report.faults.empty()) << report.faults.front();
    EXPECT_GT(report.allBefore, 0);  // kills landed before the file was replaced
    EXPECT_GT(report.allAfter, 0);   // ... and after
}

TEST(SaveKill, TemporaryFilesAreKnownByTheirRegistersName) {
    const std::pair<const char*, bool> cases[] = {
        {".compte.blv.a1B2c3", true},   {".compte.blv.lock", false},
        {".compte.blv.a1B2c", false},   {".compte.blv.a1B2c34", false},
        {".compte.blv.a1-2c3", false},  {"compte.blv.a1B2c3", false},
        {".Compte.blv.a1B2c3", false},  {".compte.blv", false},
        {"..compte.blv.a1B2c3", false},
    };
    for (const auto& [name, temporary] : cases)
        EXPECT_EQ(IsTemporaryOf("compte.blv", name), temporary) << name;
}

}  // namespace
}  // namespace belvane
