#include "core/FileIdentity.h"

#include <filesystem>

#include <sys/stat.h>

namespace belvane {

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa {
    }, sb{};
    const bool hasA = ::stat(a.c_str(), &sa) == 0;
    const bool hasB = ::stat(b.c_str(), &sb) == 0;
    if (hasA && hasB)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    if (hasA != hasB)
        return false;  // one exists, the other not: two files
    // Neither exists yet: the places they would be created at.
    std::error_code ea, eb;
    const std::filesystem::path ca = std::filesystem::weakly_canonical(a, ea);
    const std::filesystem::path cb = std::filesystem::weakly_canonical(b, eb);
    if (!ea && !eb)
        return ca == cb;
    const std::filesystem::path na = std::filesystem::absolute(a, ea).lexically_normal();
    const std::filesystem::path nb = std::filesystem::absolute(b, eb).lexically_normal();
    return !ea && !eb && na == nb;
}

FileStamp StampOf(const struct stat& st) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = static_cast<std::uint64_t>(st.st_dev);
    stamp.inode = static_cast<std::uint64_t>(st.st_ino);
    stamp.size = static_cast<std::int64_t>(st.st_size);
    stamp.mtimeNs = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    return stamp;
}

FileStamp StampOf(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? StampOf(st) : FileStamp{};
}

bool ChangedSince(const FileStamp& known, const FileStamp& now) {
    return now.exists && known != now;
}

}  // namespace belvane
