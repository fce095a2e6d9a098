#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace belvane {

// The promise every register file is held to, whatever its bytes: reading it
// either fails cleanly or gives a register that, written in the current format
// and read again, comes back the same, and whose bytes written a second time are
// those written the first time. Returns what broke the promise, or an empty text.
// A crash, a leak or an unbounded allocation on the way is caught by the
// sanitizers the caller runs under.
std::string CheckRegisterRoundTrip(std::span<const std::uint8_t> bytes);

}  // namespace belvane
