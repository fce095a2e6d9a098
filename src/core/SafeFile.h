#pragma once

#include "core/BigBlockAllocator.h"
#include "core/Status.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

// A whole file in memory.
using ByteBuffer = std::vector<std::uint8_t, BigBlockAllocator<std::uint8_t>>;

// The one form the program gives a file's path: absolute (from the current
// directory), without "." or ".." parts or doubled separators. Links are not
// followed.
std::string NormalPath(const std::string& path);

// Reads a whole file. Fails with CannotOpen, naming `path`.
Status ReadWholeFile(const std::string& path, ByteBuffer& bytes);

// Replaces `path` with `bytes` so that a crash or a full disk never leaves a
// half-written file: the bytes go to a temporary file beside the target, which is
// flushed to disk and then renamed over the target. The target's permissions are
// kept; a symbolic link is followed and the file it names replaced. Fails with
// CannotWrite, naming `path`, when anything fails; the previous file is then intact.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace belvane
