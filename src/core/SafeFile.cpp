#include "core/SafeFile.h"

#include "core/FileIdentity.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace belvane {

namespace {

// The detail of a failed system call on `what` (a file other than the one
// named by the status, or empty).
std::string Describe(const std::string& what, int err) {
    return what.empty() ? std::strerror(err) : what + ": " + std::strerror(err);
}

// write() until everything is written or an error other than an interruption.
bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

}  // namespace

std::string NormalPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec);
    return (ec ? std::filesystem::path(path) : full).lexically_normal().string();
}

Status ReadWholeFile(const std::string& path, ByteBuffer& bytes, FileStamp* stamp) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return Status::CannotOpen(path, Describe({}, errno));
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        Status failed =
            Status::CannotOpen(path, S_ISDIR(st.st_mode) ? "is a directory" : Describe({}, errno));
        ::close(fd);
        return failed;
    }
    // One byte more than the file's size: end of file is then seen without
    // growing the buffer, unless the file grew meanwhile.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t done = 0;
    while (true) {
        if (done == bytes.size())
            bytes.resize(bytes.size() + bytes.size() / 2 + 65536);
        const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Status failed = Status::CannotOpen(path, Describe({}, errno));
            ::close(fd);
            return failed;
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    bytes.resize(done);
    if (stamp)
        *stamp = StampOf(st);
    ::close(fd);
    return Status::Ok();
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes, FileStamp* written) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path target(path);
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");

    std::string hidden(".");
    hidden.append(target.filename().string()).append(".XXXXXX");
    std::string tmpl = (dir / hidden).string();
    const int fd = ::mkstemp(tmpl.data());
    if (fd < 0)
        return Status::CannotWrite(path, Describe(dir.string(), errno));
    const std::string tmp = tmpl;
    auto fail = [&](const std::string& what, int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return Status::CannotWrite(path, Describe(what, err));
    };

    // Keep the permissions of the file being replaced; a new file gets the usual
    // permissions for a user document instead of mkstemp's 0600.
    struct stat st {};
    mode_t mode = 0666;
    if (::stat(target.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    if (::fchmod(fd, mode) != 0)
        return fail(tmp, errno);
    if (!WriteAll(fd, bytes.data(), bytes.size()))
        return fail(tmp, errno);
    if (::fsync(fd) != 0)
        return fail(tmp, errno);
    struct stat done {};
    if (::fstat(fd, &done) != 0)
        return fail(tmp, errno);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Status::CannotWrite(path, Describe(tmp, err));
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Status::CannotWrite(path, Describe(target.string(), err));
    }
    // Make the rename itself durable.
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    if (written)
        *written = StampOf(done);
    RemoveLeftoverTemporaries(target.string(), std::time(nullptr));
    return Status::Ok();
}

bool IsTemporaryOf(std::string_view target, std::string_view name) {
    constexpr std::size_t kRandom = 6;  // mkstemp's "XXXXXX"
    if (target.empty() || name.size() != target.size() + 2 + kRandom || name[0] != '.' ||
        name.substr(1, target.size()) != target || name[target.size() + 1] != '.')
        return false;
    for (const char c : name.substr(target.size() + 2)) {
        const bool alnum =
            (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
        if (!alnum)
            return false;
    }
    return true;
}

void RemoveLeftoverTemporaries(const std::string& target, std::time_t now) {
    namespace fs = std::filesystem;
    constexpr std::time_t kOldEnough = 60;
    const fs::path file(target);
    const std::string name = file.filename().string();
    const fs::path dir = file.has_parent_path() ? file.parent_path() : fs::path(".");
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        if (!IsTemporaryOf(name, it->path().filename().string()))
            continue;
        struct stat st {};
        if (::lstat(it->path().c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            now - st.st_mtim.tv_sec > kOldEnough)
            ::unlink(it->path().c_str());
    }
}

}  // namespace belvane
