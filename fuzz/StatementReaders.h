#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace belvane {

// The promise every statement reader is held to, whatever the bytes: given
// the file as its format, it either refuses it with a problem that has a
// message, or gives a statement of that format whose operations all have a
// real date. OFX files go through the checks of their text only (see
// CheckOfxText). Returns what broke the promise, or an empty text.
std::string CheckStatementReaders(std::span<const std::uint8_t> bytes);

}  // namespace belvane
