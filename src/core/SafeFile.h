#pragma once

#include "core/BigBlockAllocator.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace belvane {

// A whole file in memory.
using ByteBuffer = std::vector<std::uint8_t, BigBlockAllocator<std::uint8_t>>;

// Reads a whole file. Returns false and says why in `error` when it cannot.
bool ReadWholeFile(const std::string& path, ByteBuffer& bytes, std::string& error);

// Replaces `path` with `bytes` so that a crash or a full disk never leaves a
// half-written file: the bytes go to a temporary file beside the target, which is
// flushed to disk and then renamed over the target. The target's permissions are
// kept; a symbolic link is followed and the file it names replaced. Returns false
// and says why in `error` when anything fails; the previous file is then intact.
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& error);

}  // namespace belvane
