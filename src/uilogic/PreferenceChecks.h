#pragma once

#include <string>
#include <string_view>

namespace belvane {

// A directory as the settings keep it: a non-empty path ends in `separator`
// (appended when it lacks one), so that a file name can follow it directly.
std::string WithTrailingSeparator(std::string_view directory, char separator);

// Whether `symbol` can separate the units of an amount from its cents: one
// character that is neither a digit, a minus nor a space (any of those would
// make the amounts unreadable).
bool IsUsableDecimalSymbol(std::string_view symbol);

}  // namespace belvane
