#include "uilogic/StartupLogic.h"

#include "core/SettingsStore.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

using Action = StartupArguments::Action;

struct ArgsCase {
    const char* name;
    std::vector<std::string> args;
    Action action;
    std::string file;
    std::string screenshot;
};

void PrintTo(const ArgsCase& c, std::ostream* os) {
    *os << c.name;
}

class StartupArgumentsTest : public ::testing::TestWithParam<ArgsCase> {};

TEST_P(StartupArgumentsTest, AreReadOrRefused) {
    const ArgsCase& c = GetParam();
    const StartupArguments parsed = ParseStartupArguments(c.args);
    EXPECT_EQ(parsed.action, c.action);
    EXPECT_EQ(parsed.file, c.file);
    EXPECT_EQ(parsed.screenshot, c.screenshot);
    EXPECT_EQ(parsed.error.empty(), c.action != Action::Error);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLine, StartupArgumentsTest,
    ::testing::Values(
        ArgsCase{"NothingGivesANewRegister", {}, Action::Run, "", ""},
        ArgsCase{"AFileOpensIt", {"compte.blv"}, Action::Run, "compte.blv", ""},
        ArgsCase{"ScreenshotBeforeTheFile",
                 {"--screenshot", "out.png", "/tmp/a.blv"},
                 Action::Run,
                 "/tmp/a.blv",
                 "out.png"},
        ArgsCase{"ScreenshotAfterTheFile",
                 {"a.blv", "--screenshot", "out.png"},
                 Action::Run,
                 "a.blv",
                 "out.png"},
        ArgsCase{"ScreenshotWithoutItsFile", {"--screenshot"}, Action::Error, "", ""},
        ArgsCase{"DoubleDashEndsTheOptions", {"--", "--odd.blv"}, Action::Run, "--odd.blv", ""},
        ArgsCase{"UnknownOptionIsRefused", {"--print", "a.blv"}, Action::Error, "", ""},
        ArgsCase{"TwoFilesAreRefused", {"a.blv", "b.blv"}, Action::Error, "a.blv", ""},
        ArgsCase{"EmptyNameIsRefused", {""}, Action::Error, "", ""},
        ArgsCase{"HelpStopsReading", {"--help", "a.blv"}, Action::Help, "", ""},
        ArgsCase{"ADashAloneIsAFileName", {"-"}, Action::Run, "-", ""}),
    [](const auto& info) { return std::string(info.param.name); });

struct DirCase {
    const char* name;
    std::string programDir;
    std::string expected;
};

void PrintTo(const DirCase& c, std::ostream* os) {
    *os << c.name;
}

class AppDirectoryTest : public ::testing::TestWithParam<DirCase> {};

TEST_P(AppDirectoryTest, EndsWithASlash) {
    EXPECT_EQ(AppDirectoryValue(GetParam().programDir), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, AppDirectoryTest,
                         ::testing::Values(DirCase{"Plain", "/usr/bin", "/usr/bin/"},
                                           DirCase{"AlreadySlashed", "/opt/b/", "/opt/b/"},
                                           DirCase{"Root", "/", "/"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct SettingsCase {
    const char* name;
    std::optional<int> firstTimeUse;
    std::optional<int> cmdShow;
    std::optional<std::string> initialDir;
    bool firstStart;
    bool maximized;
    std::string directory;
};

void PrintTo(const SettingsCase& c, std::ostream* os) {
    *os << c.name;
}

class StartupSettingsTest : public ::testing::TestWithParam<SettingsCase> {};

TEST_P(StartupSettingsTest, DecideTheStart) {
    const SettingsCase& c = GetParam();
    CMemorySettings settings;
    if (c.firstTimeUse)
        settings.WriteInt("Settings", "FirstTimeUse", *c.firstTimeUse);
    if (c.cmdShow)
        settings.WriteInt("Settings", "CmdShow", *c.cmdShow);
    if (c.initialDir)
        settings.WriteString("Settings", "InitialDir", *c.initialDir);
    EXPECT_EQ(WantsFirstStartDialog(settings), c.firstStart);
    EXPECT_EQ(StartsMaximized(settings), c.maximized);
    EXPECT_EQ(InitialDirectory(settings), c.directory);
}

INSTANTIATE_TEST_SUITE_P(
    Values, StartupSettingsTest,
    ::testing::Values(SettingsCase{"NoSettingsAtAll", {}, {}, {}, true, false, ""},
                      SettingsCase{"LaterRun", 0, 1, "/home/u/comptes/", false, false,
                                   "/home/u/comptes/"},
                      SettingsCase{"AnyNonZeroIsAFirstStart", 7, {}, {}, true, false, ""},
                      SettingsCase{"ClosedMaximized", 0, 3, "", false, true, ""},
                      // Never written by the program: such values open a normal window.
                      SettingsCase{"MinimizedValueOpensNormal", 0, 2, {}, false, false, ""},
                      SettingsCase{"HiddenValueOpensNormal", 0, 0, {}, false, false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StartupExit, RecordsThatTheFirstStartIsOver) {
    CMemorySettings settings;
    ASSERT_TRUE(WantsFirstStartDialog(settings));
    RecordNormalExit(settings);
    EXPECT_EQ(settings.GetInt("Settings", "FirstTimeUse", -1), 0);
    EXPECT_FALSE(WantsFirstStartDialog(settings));
}

}  // namespace
}  // namespace belvane
