#pragma once

#include <string>

namespace belvane {

// Whether two paths name one file, by what the file system says rather than by
// their spelling: "./a.blv", "dir/../a.blv", a symbolic link or a hard link to
// a file is that file; a name differing only in letter case is another file
// where the file system tells case apart. Two existing paths are one file when
// they have the same device and inode; otherwise, when they resolve (links
// followed, "." and ".." removed) to the same canonical path.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace belvane
