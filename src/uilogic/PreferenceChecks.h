#pragma once

#include <string>
#include <string_view>

namespace belvane {

// A directory as the settings keep it: a non-empty path ends in `separator`
// (appended when it lacks one), so that a file name can follow it directly.
std::string WithTrailingSeparator(std::string_view directory, char separator);

}  // namespace belvane
