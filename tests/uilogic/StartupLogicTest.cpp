#include "uilogic/StartupLogic.h"

#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <tuple>

namespace belvane {
namespace {

using Action = StartupArguments::Action;

TEST(StartupLogic, ArgumentsAreReadOrRefused) {
    const std::tuple<std::vector<std::string>, Action, std::string, std::string> cases[] = {
        {{}, Action::Run, "", ""},  // a new register
        {{"compte.blv"}, Action::Run, "compte.blv", ""},
        {{"--screenshot", "out.png", "/tmp/a.blv"}, Action::Run, "/tmp/a.blv", "out.png"},
        {{"a.blv", "--screenshot", "out.png"}, Action::Run, "a.blv", "out.png"},
        {{"--screenshot"}, Action::Error, "", ""},
        {{"--", "--odd.blv"}, Action::Run, "--odd.blv", ""},
        {{"--print", "a.blv"}, Action::Error, "", ""},
        {{"a.blv", "b.blv"}, Action::Error, "a.blv", ""},
        {{""}, Action::Error, "", ""},
        {{"--help", "a.blv"}, Action::Help, "", ""},
        {{"-"}, Action::Run, "-", ""},  // a dash alone is a file name
    };
    for (const auto& [args, action, file, screenshot] : cases) {
        const StartupArguments parsed = ParseStartupArguments(args);
        EXPECT_EQ(std::tuple(parsed.action, parsed.file, parsed.screenshot, parsed.error.empty()),
                  std::tuple(action, file, screenshot, action != Action::Error))
            << testing::PrintToString(args);
    }
    EXPECT_EQ(AppDirectoryValue("/usr/bin"), "/usr/bin/");
    EXPECT_EQ(AppDirectoryValue("/"), "/");
}

TEST(StartupLogic, SettingsDecideTheStart) {
    const struct {
        std::optional<int> firstTimeUse, cmdShow;
        std::optional<std::string> initialDir;
        bool firstStart, maximized;
        std::string directory;
    } cases[] = {
        {{}, {}, {}, true, false, ""},  // no settings at all
        {0, 1, "/home/u/comptes/", false, false, "/home/u/comptes/"},
        {7, {}, {}, true, false, ""},  // any non-zero value is a first start
        {0, 3, "", false, true, ""},
        // Never written by the program: such values open a normal window.
        {0, 2, {}, false, false, ""},
    };
    int n = 0;
    for (const auto& c : cases) {
        CMemorySettings settings;
        if (c.firstTimeUse)
            settings.WriteInt("Settings", "FirstTimeUse", *c.firstTimeUse);
        if (c.cmdShow)
            settings.WriteInt("Settings", "CmdShow", *c.cmdShow);
        if (c.initialDir)
            settings.WriteString("Settings", "InitialDir", *c.initialDir);
        EXPECT_EQ(WantsFirstStartDialog(settings), c.firstStart) << "case " << n;
        EXPECT_EQ(StartsMaximized(settings), c.maximized) << "case " << n;
        EXPECT_EQ(InitialDirectory(settings), c.directory) << "case " << n++;
    }
    CMemorySettings settings;
    RecordNormalExit(settings);
    EXPECT_EQ(settings.GetInt("Settings", "FirstTimeUse", -1), 0);
    EXPECT_FALSE(WantsFirstStartDialog(settings));
}

}  // namespace
}  // namespace belvane
