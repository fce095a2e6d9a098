#pragma once

#include "core/Types.h"

#include <string>
#include <string_view>

namespace belvane {

// A sum of amounts as text, by the rules of FormatAmount: unsigned "units,cents"
// (sign dropped), or signed ("+1,50", "-0,50", "+0,00"), right-aligned in
// `width` characters (a longer text is not cut). Any 64-bit sum is written whole.
std::string FormatSum(Sum sum, bool withSign, int width, std::string_view decimalSymbol);

}  // namespace belvane
