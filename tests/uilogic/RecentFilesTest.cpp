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

std::vector<std::string> Numbered(int from, int to) {
    std::vector<std::string> v;
    for (int i = from; i <= to; ++i)
        v.push_back("/r/" + std::to_string(i));
    return v;
}

TEST(RecentFiles, KeepTheMostRecentFirstWithoutDuplicates) {
    std::vector<std::string> newFirst = Numbered(1, 8);
    newFirst.insert(newFirst.begin(), "/r/new");
    const struct {
        std::vector<std::string> before, added, after;  // File1, File2, ...
    } cases[] = {
        {{}, {"/r/a", "/r/b"}, {"/r/b", "/r/a"}},
        {{"/r/a", "/r/b", "/r/c"}, {"/r/c"}, {"/r/c", "/r/a", "/r/b"}},  // reopened: to the top
        {{"/r/a"}, {"/r/A"}, {"/r/A", "/r/a"}},  // two files may differ in letter case only
        {Numbered(1, 9), {"/r/new"}, newFirst},  // nine at most: the oldest goes
        {{"/r/a"}, {""}, {"/r/a"}},              // an empty path is ignored
    };
    for (const auto& c : cases) {
        CMemorySettings settings;
        for (std::size_t i = 0; i < c.before.size(); ++i)
            settings.WriteString(kSection, "File" + std::to_string(i + 1), c.before[i]);
        RecentFiles recent(settings);
        recent.Load();
        for (const std::string& path : c.added)
            recent.Add(path);
        EXPECT_EQ(recent.Paths(), c.after);
        EXPECT_EQ(Stored(settings), c.after);  // as Load reads them (the gaps' test)
    }
}

TEST(RecentFiles, LoadSkipsGapsAndKeepsFilesThatNoLongerExist) {
    CMemorySettings settings;
    settings.WriteString(kSection, "File1", "/nowhere/missing.blv");
    settings.WriteString(kSection, "File2", "");
    settings.WriteString(kSection, "File4", "/r/b.blv");
    settings.WriteString(kSection, "File10", "/r/beyond.blv");
    RecentFiles recent(settings);
    recent.Load();
    EXPECT_EQ(recent.Paths(), (std::vector<std::string>{"/nowhere/missing.blv", "/r/b.blv"}));
    recent.Add("/r/c.blv");  // written back without the gaps
    EXPECT_EQ(Stored(settings),
              (std::vector<std::string>{"/r/c.blv", "/nowhere/missing.blv", "/r/b.blv"}));
    EXPECT_FALSE(settings.Contains(kSection, "File4"));
    recent.Remove(1);
    recent.Remove(5);  // out of range: nothing
    recent.Remove(-1);
    EXPECT_EQ(Stored(settings), (std::vector<std::string>{"/r/c.blv", "/r/b.blv"}));
}

TEST(RecentFiles, MenuTextNumbersAndShortensThePath) {
    const std::tuple<int, std::string, std::string, std::string> cases[] = {
        {0, "/home/j/comptes.blv", "/home/j", "&1 comptes.blv"},  // in the current directory
        {1, "/home/j/a.blv", "/home/j/", "&2 a.blv"},
        {2, "/data/a.blv", "/home/j", "&3 /data/a.blv"},
        {0, "/home/j/x/a.blv", "/home/j", "&1 /home/j/x/a.blv"},  // a subdirectory is not it
        {3, "/home/julien/Documents/banque/comptes/2025/exemple.blv", "/tmp",
         "&4 /.../comptes/2025/exemple.blv"},
        {8, "/r/Dupont & fils.blv", "/tmp", "&9 /r/Dupont && fils.blv"},
        {0, "/a.blv", "/", "&1 a.blv"},
    };
    for (const auto& [index, path, currentDir, expected] : cases)
        EXPECT_EQ(RecentFiles::MenuText(index, path, currentDir), expected);
    const std::tuple<std::string, int, std::string> abbreviated[] = {
        {"/abcdefgh/c.blv", 15, "/abcdefgh/c.blv"},
        {"/aaaa/bbbb/cccc/file.blv", 20, "/.../cccc/file.blv"},
        {"/aaaa/bbbbbbbbbb/file.blv", 14, "/.../file.blv"},
        {"/a/bbbbbbbbbbbbbbbbbbbb.blv", 10, "bbbbbbbbbbbbbbbbbbbb.blv"},  // the name stays whole
        {"aaaa/bbbb/cccc/file.blv", 18, ".../cccc/file.blv"},
        {"/é/ééééé/àà.blv", 15, "/é/ééééé/àà.blv"},  // counted in characters, not bytes
    };
    for (const auto& [path, max, expected] : abbreviated)
        EXPECT_EQ(RecentFiles::Abbreviate(path, max), expected);
}

}  // namespace
}  // namespace belvane
