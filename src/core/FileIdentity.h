#pragma once

#include <cstdint>
#include <string>

struct stat;

namespace belvane {

// Whether two paths name one file, by what the file system says rather than by
// their spelling: "./a.blv", "dir/../a.blv", a symbolic link or a hard link to
// a file is that file; a name differing only in letter case is another file
// where the file system tells case apart. Two existing paths are one file when
// they have the same device and inode; otherwise, when they resolve (links
// followed, "." and ".." removed) to the same canonical path.
bool SameFile(const std::string& a, const std::string& b);

// What tells that a file was replaced or rewritten: which file it is (device
// and inode: an atomic save by another program makes a new one), its size and
// its modification time.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t mtimeNs = 0;  // nanoseconds since 1970

    bool operator==(const FileStamp&) const = default;
};

// The stamp of the file at `path` (links followed); a missing file has none.
FileStamp StampOf(const std::string& path);
FileStamp StampOf(const struct stat& st);

// Whether the file now at a path (`now`) is not the one a window read or last
// wrote there (`known`). A file gone since is no change: saving would replace
// nobody's work.
bool ChangedSince(const FileStamp& known, const FileStamp& now);

}  // namespace belvane
