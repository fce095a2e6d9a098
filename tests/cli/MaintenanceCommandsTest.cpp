#include "RecordBuilders.h"
#include "ScratchDir.h"
#include "ToolRun.h"
#include "core/CBelvaneDoc.h"
#include "core/DayDate.h"
#include "maintenance/RegisterLock.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace belvane {
namespace {

// The purge and new-year commands: arguments, the JSON they print, what they
// write, and their refusals.
TEST(MaintenanceCommands, PurgeAndNewYearFromTheCommandLine) {
    const testutil::ScratchDir dir;
    const std::string reg = dir.File("compte.blv");
    {
        CBelvaneDoc doc;
        doc.InsertRubrique(0, CRubrique("Maison", 0));
        for (int day = 1; day <= 4; ++day)
            doc.AddLine(testutil::MakeLine(ToDayDate(2024, 1, day),
                                           day % 2 ? ToDayDate(2024, 2, 1) : 0, 0, -100 * day, "",
                                           "", "Maison"));
        ASSERT_TRUE(doc.OnSaveDocument(reg).ok());
    }
    const std::string original = testutil::ReadFile(reg);
    // Arguments, exit code, and the output exactly or the start of the messages.
    const std::tuple<std::vector<std::string>, int, std::string> cases[] = {
        {{"new-year", reg, dir.File("n.blv"), "--method", "2"}, kExitUsage, ""},
        {{"new-year", reg, dir.File("n.blv"), "--method", "6"}, kExitUsage, ""},
        {{"new-year", reg, dir.File("./compte.blv"), "--method", "0"}, kExitUsage, ""},
        {{"new-year", reg, dir.File("n.blv"), "--method", "2", "--date", "2025-01-01",
          "--observation", "Report"},
         kExitOk,
         "{\"lines\":1,\"initialAmount\":0}\n"},
        {{"new-year", reg, dir.File("n1.blv"), "--method=1"},
         kExitOk,
         "{\"lines\":0,\"initialAmount\":-1000}\n"},
        {{"purge", reg, dir.File("a.blv")}, kExitUsage, ""},
        {{"purge", reg, dir.File("./compte.blv"), "--until", "2024-12-31"},
         kExitFailure,
         "Vous ne pouvez pas apurer un fichier sur lui-même"},
        {{"purge", reg, dir.File("a.blv"), "--until", "2024-01-02"}, kExitOk, "{\"moved\":1}\n"},
        {{"purge", reg, dir.File("a.blv"), "--until", "2024-12-31"}, kExitOk, "{\"moved\":1}\n"},
    };
    for (const auto& [args, code, output] : cases) {
        SCOPED_TRACE(args[0] + " " + args[2]);
        const testutil::ToolRun r = testutil::RunCommand(args);
        EXPECT_EQ(r.code, code) << r.err;
        EXPECT_EQ((code != kExitOk ? r.err : r.out).substr(0, output.size()), output);
        if (args[0] == "new-year") {
            EXPECT_EQ(testutil::ReadFile(reg), original) << "FILE is left alone";
        }
    }
    CBelvaneDoc archive, rest, next;
    ASSERT_TRUE(archive.OnOpenDocument(dir.File("a.blv")).status.ok());
    ASSERT_TRUE(rest.OnOpenDocument(reg).status.ok());
    ASSERT_TRUE(next.OnOpenDocument(dir.File("n.blv")).status.ok());
    EXPECT_EQ(archive.GetLineCount(), 2);
    EXPECT_EQ(rest.GetLineCount(), 2);
    EXPECT_EQ(next.GetLine(0).m_observation, "Report");
    EXPECT_EQ(next.GetLine(0).m_dateEmission, ToDayDate(2025, 1, 1)) << "--date reaches the line";
}

// A register another window has open is not written: every writing command
// refuses it, naming who has it, and writes it once the window let it go.
TEST(MaintenanceCommands, WritingCommandsRefuseARegisterOpenElsewhere) {
    const testutil::ScratchDir dir;
    const std::string reg = dir.File("compte.blv");
    const std::string other = dir.File("autre.blv");
    ASSERT_EQ(testutil::RunCommand({"new", reg}).code, kExitOk);
    ASSERT_EQ(testutil::RunCommand({"new", other}).code, kExitOk);
    const std::string before = testutil::ReadFile(reg);
    auto window = std::make_unique<RegisterLock>();
    ASSERT_TRUE(window->Acquire(reg));
    const std::string refusal = reg + " : Ce registre est déjà ouvert par ";
    const std::vector<std::vector<std::string>> writes = {
        {"convert", other, reg},
        {"new", reg},
        {"new-year", other, reg, "--method", "0"},
        {"purge", reg, dir.File("a.blv"), "--until", "2024-12-31"},
        {"purge", other, reg, "--until", "2024-12-31"},
    };
    for (const auto& args : writes) {
        const testutil::ToolRun r = testutil::RunCommand(args);
        EXPECT_EQ(r.code, kExitFailure) << args[0];
        EXPECT_EQ(r.err.substr(0, refusal.size()), refusal) << args[0];
    }
    EXPECT_EQ(testutil::ReadFile(reg), before);
    window.reset();
    const testutil::ToolRun converted = testutil::RunCommand({"convert", other, reg});
    EXPECT_EQ(converted.code, kExitOk) << converted.err;
    EXPECT_EQ(ReadLock(reg).state, LockState::Free) << "the tool's own lock is gone";
}

}  // namespace
}  // namespace belvane
