#pragma once

#include "core/BigBlockAllocator.h"
#include "core/Status.h"

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

struct FileStamp;

// A whole file in memory.
using ByteBuffer = std::vector<std::uint8_t, BigBlockAllocator<std::uint8_t>>;

// The one form the program gives a file's path: absolute (from the current
// directory), without "." or ".." parts or doubled separators. Links are not
// followed.
std::string NormalPath(const std::string& path);

// Reads a whole file. Fails with CannotOpen, naming `path`. `stamp`, when
// given, receives the stamp of the file that was read.
Status ReadWholeFile(const std::string& path, ByteBuffer& bytes, FileStamp* stamp = nullptr);

// Replaces `path` with `bytes` so that a crash or a full disk never leaves a
// half-written file: the bytes go to a temporary file beside the target, which is
// flushed to disk and then renamed over the target. The target's permissions are
// kept; a symbolic link is followed and the file it names replaced. Fails with
// CannotWrite, naming `path`, when anything fails; the previous file is then intact.
// `written`, when given, receives the stamp of the new file. After a success the
// temporary files that killed saves left beside the target are removed.
Status WriteFileAtomically(const std::string& path, std::string_view bytes,
                           FileStamp* written = nullptr);

// Whether `name` is one of the temporary files a save of the file named
// `target` makes beside it: "." + target + "." + six letters or digits.
bool IsTemporaryOf(std::string_view target, std::string_view name);

// Removes from the folder of `target` the temporary files of its saves (as
// IsTemporaryOf says) last written more than a minute before `now`: a save
// still running elsewhere writes its file within that time. Nothing else is
// ever removed.
void RemoveLeftoverTemporaries(const std::string& target, std::time_t now);

}  // namespace belvane
