#include "uilogic/RecentFiles.h"

#include "core/SettingsStore.h"

#include <gtest/gtest.h>

namespace belvane {
namespace {

constexpr const char* kSection = "Recent File List";

std::vector<std::string> Stored(const CMemorySettings& settings) {
    std::vector<std::string> paths;
    for (int i = 1; i <= 9; ++i)
        if (auto p = settings.ReadString(kSection, "File" + std::to_string(i)))
            paths.push_back(*p);
    return paths;
}

struct AddCase {
    const char* name;
    std::vector<std::string> before;  // File1, File2, ...
    std::vector<std::string> added;   // in order
    std::vector<std::string> after;
};

void PrintTo(const AddCase& c, std::ostream* os) {
    *os << c.name;
}

class RecentFilesAdd : public ::testing::TestWithParam<AddCase> {};

TEST_P(RecentFilesAdd, KeepsTheMostRecentFirstWithoutDuplicates) {
    const AddCase& c = GetParam();
    CMemorySettings settings;
    for (std::size_t i = 0; i < c.before.size(); ++i)
        settings.WriteString(kSection, "File" + std::to_string(i + 1), c.before[i]);
    RecentFiles recent(settings);
    recent.Load();
    for (const std::string& path : c.added)
        recent.Add(path);
    EXPECT_EQ(recent.Paths(), c.after);
    EXPECT_EQ(Stored(settings), c.after);
    // Another list reads back the same.
    RecentFiles again(settings);
    again.Load();
    EXPECT_EQ(again.Paths(), c.after);
}

std::vector<std::string> Numbered(int from, int to) {
    std::vector<std::string> v;
    for (int i = from; i <= to; ++i)
        v.push_back("/r/" + std::to_string(i) + ".blv");
    return v;
}

INSTANTIATE_TEST_SUITE_P(
    Order, RecentFilesAdd,
    ::testing::Values(
        AddCase{"FirstEntry", {}, {"/r/a.blv"}, {"/r/a.blv"}},
        AddCase{"NewestFirst", {}, {"/r/a.blv", "/r/b.blv"}, {"/r/b.blv", "/r/a.blv"}},
        AddCase{"ReopenedMovesToTheTop",
                {"/r/a.blv", "/r/b.blv", "/r/c.blv"},
                {"/r/c.blv"},
                {"/r/c.blv", "/r/a.blv", "/r/b.blv"}},
        AddCase{"TopAgainChangesNothing",
                {"/r/a.blv", "/r/b.blv"},
                {"/r/a.blv"},
                {"/r/a.blv", "/r/b.blv"}},
        // Two files may differ only in letter case here.
        AddCase{"LetterCaseMakesAnotherFile", {"/r/a.blv"}, {"/r/A.blv"}, {"/r/A.blv", "/r/a.blv"}},
        AddCase{"NineAtMostTheOldestGoes",
                Numbered(1, 9),
                {"/r/new.blv"},
                [] {
                    std::vector<std::string> v{"/r/new.blv"};
                    for (const auto& p : Numbered(1, 8))
                        v.push_back(p);
                    return v;
                }()},
        AddCase{"EmptyPathIgnored", {"/r/a.blv"}, {""}, {"/r/a.blv"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RecentFilesLoad, SkipsGapsAndKeepsFilesThatNoLongerExist) {
    CMemorySettings settings;
    settings.WriteString(kSection, "File1", "/nowhere/missing.blv");
    settings.WriteString(kSection, "File2", "");
    settings.WriteString(kSection, "File4", "/r/b.blv");
    settings.WriteString(kSection, "File10", "/r/beyond.blv");
    RecentFiles recent(settings);
    recent.Load();
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/nowhere/missing.blv", "/r/b.blv"}));
    // Written back without the gaps.
    recent.Add("/r/c.blv");
    EXPECT_EQ(Stored(settings),
              (std::vector<std::string>{"/r/c.blv", "/nowhere/missing.blv", "/r/b.blv"}));
    EXPECT_FALSE(settings.Contains(kSection, "File4"));
}

TEST(RecentFilesRemove, DropsOneEntryAndRenumbers) {
    CMemorySettings settings;
    RecentFiles recent(settings);
    for (const char* p : {"/r/c.blv", "/r/b.blv", "/r/a.blv"})
        recent.Add(p);
    recent.Remove(1);
    EXPECT_EQ(Stored(settings), (std::vector<std::string>{"/r/a.blv", "/r/c.blv"}));
    recent.Remove(5);  // out of range: nothing
    recent.Remove(-1);
    EXPECT_EQ(recent.Count(), 2);
}

struct TextCase {
    const char* name;
    int index;
    std::string path;
    std::string currentDir;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class RecentFilesText : public ::testing::TestWithParam<TextCase> {};

TEST_P(RecentFilesText, NumbersAndShortensThePath) {
    const TextCase& c = GetParam();
    EXPECT_EQ(RecentFiles::MenuText(c.index, c.path, c.currentDir), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Menu, RecentFilesText,
    ::testing::Values(
        TextCase{"InTheCurrentDirectory", 0, "/home/j/comptes.blv", "/home/j", "&1 comptes.blv"},
        TextCase{"CurrentDirectoryWithSlash", 1, "/home/j/a.blv", "/home/j/", "&2 a.blv"},
        TextCase{"ShortPathShownWhole", 2, "/data/a.blv", "/home/j", "&3 /data/a.blv"},
        TextCase{"SubdirectoryIsNotTheCurrentOne", 0, "/home/j/x/a.blv", "/home/j",
                 "&1 /home/j/x/a.blv"},
        TextCase{"LongPathKeepsTheTail", 3,
                 "/home/julien/Documents/banque/comptes/2025/exemple.blv", "/tmp",
                 "&4 /.../comptes/2025/exemple.blv"},
        TextCase{"AmpersandDoubled", 8, "/r/Dupont & fils.blv", "/tmp", "&9 /r/Dupont && fils.blv"},
        TextCase{"AtTheRoot", 0, "/a.blv", "/", "&1 a.blv"}),
    [](const auto& info) { return std::string(info.param.name); });

struct AbbrevCase {
    const char* name;
    std::string path;
    int max;
    std::string expected;
};

void PrintTo(const AbbrevCase& c, std::ostream* os) {
    *os << c.name;
}

class RecentFilesAbbreviate : public ::testing::TestWithParam<AbbrevCase> {};

TEST_P(RecentFilesAbbreviate, FitsTheLimit) {
    const AbbrevCase& c = GetParam();
    const std::string shown = RecentFiles::Abbreviate(c.path, c.max);
    EXPECT_EQ(shown, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RecentFilesAbbreviate,
    ::testing::Values(
        AbbrevCase{"ShortEnough", "/a/b/c.blv", 30, "/a/b/c.blv"},
        AbbrevCase{"ExactlyTheLimit", "/abcdefgh/c.blv", 15, "/abcdefgh/c.blv"},
        AbbrevCase{"OneComponentKept", "/aaaa/bbbb/cccc/file.blv", 20, "/.../cccc/file.blv"},
        AbbrevCase{"OnlyTheNameFitsWithThePrefix", "/aaaa/bbbbbbbbbb/file.blv", 14,
                   "/.../file.blv"},
        AbbrevCase{"NameTooLongStaysWhole", "/a/bbbbbbbbbbbbbbbbbbbb.blv", 10,
                   "bbbbbbbbbbbbbbbbbbbb.blv"},
        AbbrevCase{"RelativePath", "aaaa/bbbb/cccc/file.blv", 18, ".../cccc/file.blv"},
        // Counted in characters, not bytes.
        AbbrevCase{"AccentedNamesCountCharacters", "/é/ééééé/àà.blv", 15, "/é/ééééé/àà.blv"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace belvane
