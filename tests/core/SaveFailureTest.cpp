// A save that cannot be made (a full disk, a read-only folder) is reported,
// leaves the previous file whole and the register still modified.
#include "FileBuilder.h"
#include "ScratchDir.h"
#include "core/CBelvaneDoc.h"
#include "core/CRegistre.h"
#include "core/RegisterFile.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <utility>

namespace belvane {
namespace {

// What a child process found, as its exit code.
enum : int { kReported = 1, kStillModified = 2, kRestricted = 4 };

// The user the read-only case runs as when the tests run as root: root writes
// through any permission.
const passwd* OtherUser() {
    return ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
}

// Makes the next save fail: true when the restriction is in place.
using Restriction = bool (*)(const std::string& dir, std::size_t newSize);

bool FullDisk(const std::string&, std::size_t newSize) {
    // The file-size limit stands for the disk filling half-way through the
    // write; the signal it sends would end the process before write() fails.
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{newSize / 2, newSize / 2};
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool ReadOnlyFolder(const std::string& dir, std::size_t) {
    if (::chmod(dir.c_str(), 0555) != 0)
        return false;
    if (const passwd* user = OtherUser())
        return ::setgroups(0, nullptr) == 0 && ::setgid(user->pw_gid) == 0 &&
               ::setuid(user->pw_uid) == 0;
    return true;
}

TEST(SaveFailure, ReportedWithThePreviousFileWholeAndTheRegisterModified) {
    const std::pair<const char*, Restriction> cases[] = {{"full disk", FullDisk},
                                                         {"read-only folder", ReadOnlyFolder}};

    if (::geteuid() == 0 && !OtherUser())
        GTEST_SKIP() << "running as root and no user 'nobody' to run the read-only case as";

    CRegistre reg;
    reg.m_lignes.resize(2000);
    for (CLigne& l : reg.m_lignes)
        l.m_observation = "Une ligne assez longue pour que le fichier compte";
    const std::string newBytes = WriteRegister(reg);
    const std::string oldBytes = WriteRegister(CRegistre());

    for (const auto& [name, restriction] : cases) {
        SCOPED_TRACE(name);
        testutil::ScratchDir dir;
        const std::string path = dir.File("compte.blv");
        testutil::WriteFile(path, oldBytes);
        if (const passwd* user = OtherUser()) {
            ASSERT_EQ(::chown(dir.Path().c_str(), user->pw_uid, user->pw_gid), 0);
        }

        const pid_t pid = ::fork();
        if (pid == 0) {
            CBelvaneDoc doc;
            doc.LoadFromBytes(testutil::AsBytes(newBytes));
            doc.SetModifiedFlag(true);
            int found = restriction(dir.Path().string(), newBytes.size()) ? kRestricted : 0;
            const Status status = doc.OnSaveDocument(path);
            found |= status.code() == Status::Code::CannotWrite ? kReported : 0;
            found |= doc.IsModified() ? kStillModified : 0;
            ::_exit(found);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ::chmod(dir.Path().c_str(), 0755);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), kRestricted | kReported | kStillModified);
        EXPECT_EQ(testutil::ReadFile(path), oldBytes);
        // Nothing left behind: no temporary file in the way of the next save.
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    }
}

}  // namespace
}  // namespace belvane
