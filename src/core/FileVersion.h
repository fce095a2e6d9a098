#pragma once

#include <cstdint>

namespace belvane {

// Version words of register files. Records read their fields according to the
// version of the file they come from; they are always written as kVersionCurrent.
inline constexpr std::uint32_t kVersion30 = 0x300;       // 16-bit packed dates
inline constexpr std::uint32_t kVersion31 = 0x301;       // 32-bit dates
inline constexpr std::uint32_t kVersionCurrent = 0x305;  // column list and font saved

}  // namespace belvane
