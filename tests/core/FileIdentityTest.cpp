// Which file a path names, and whether the register's file changed under the
// window that read it.
#include "core/FileIdentity.h"

#include "ScratchDir.h"
#include "core/CBelvaneDoc.h"
#include "core/SafeFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <tuple>
#include <utility>

namespace belvane {
namespace {

namespace fs = std::filesystem;

TEST(FileIdentity, TellsFilesApartByWhatTheFileSystemSays) {
    const testutil::ScratchDir dir;
    const std::string a = dir.File("a.blv");
    testutil::WriteFile(a, "x");
    testutil::WriteFile(dir.File("A.blv"), "x");
    fs::create_symlink(a, dir.File("lien.blv"));
    fs::create_hard_link(a, dir.File("dur.blv"));
    fs::create_directory(dir.File("sub"));
    const std::pair<std::string, bool> cases[] = {
        {a, true},
        {dir.File("./sub/../a.blv"), true},
        {dir.File("lien.blv"), true},
        {dir.File("dur.blv"), true},
        {dir.File("A.blv"), false},
        {dir.File("b.blv"), false},
    };
    for (const auto& [b, same] : cases)
        EXPECT_EQ(SameFile(a, b), same) << b;
    EXPECT_TRUE(SameFile(dir.File("new.blv"), dir.File("sub/../new.blv")));
    EXPECT_FALSE(SameFile(dir.File("new.blv"), dir.File("New.blv")));
}

// What another program may do to the file after this document read it, and
// whether the next save must ask before replacing it.
TEST(FileIdentity, ChangedOnDiskSinceReadOrWritten) {
    using Act = void (*)(const std::string& path, CBelvaneDoc& doc);
    const std::tuple<const char*, Act, bool> cases[] = {
        {"nothing", [](const std::string&, CBelvaneDoc&) {}, false},
        {"saved by this window",
         [](const std::string& p, CBelvaneDoc& d) { ASSERT_TRUE(d.OnSaveDocument(p).ok()); },
         false},
        {"rewritten in place, same size",
         [](const std::string& p, CBelvaneDoc&) {
             testutil::WriteFile(p, testutil::ReadFile(p));
             // Within one clock tick of the read the time would not tell.
             fs::last_write_time(p, fs::last_write_time(p) + std::chrono::seconds(2));
         },
         true},
        {"grown",
         [](const std::string& p, CBelvaneDoc&) {
             testutil::WriteFile(p, testutil::ReadFile(p) + "x");
         },
         true},
        {"replaced by another program's save",
         [](const std::string& p, CBelvaneDoc&) {
             ASSERT_TRUE(WriteFileAtomically(p, testutil::ReadFile(p)).ok());
         },
         true},
        {"removed", [](const std::string& p, CBelvaneDoc&) { fs::remove(p); }, false},
    };
    const testutil::ScratchDir dir;
    const std::string path = dir.File("compte.blv");
    for (const auto& [what, act, changed] : cases) {
        CBelvaneDoc doc;
        ASSERT_TRUE(doc.OnSaveDocument(path).ok());
        ASSERT_TRUE(doc.OnOpenDocument(path).status.ok());
        act(path, doc);
        EXPECT_EQ(doc.FileChangedOnDisk(), changed) << what;
    }
}

}  // namespace
}  // namespace belvane
