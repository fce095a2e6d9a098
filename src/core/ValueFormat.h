#pragma once

#include "core/DayDate.h"
#include "core/Types.h"

#include <string>
#include <string_view>

// Amounts and dates to text and back, steered by the decimal symbol and date
// format settings. The register document wraps these with its own copies of the
// two settings.
namespace belvane {

// Unsigned form "%ld%s%02ld" (sign dropped) or signed form ("+1,50", "-0,50",
// "+0,00"), right-aligned in `width` characters (a longer text is not cut).
std::string FormatAmount(Amount amount, bool withSign, int width, std::string_view decimalSymbol);

// Units, then optionally "." or "," and up to two decimals. Never negative;
// unreadable text gives 0.
Amount ParseAmount(std::string_view text);

// The largest amount a register holds, with either sign: 21 474 836,47
// (32-bit cents).
inline constexpr Amount kMaxAmount = 2147483647;

// Whether the amount typed in `text`, read as ParseAmount reads it, stays
// within kMaxAmount. Beyond it ParseAmount's result would be wrong, so an
// amount field refuses such a text. Unreadable text (read as 0) fits.
bool AmountFits(std::string_view text);

// The date in the strftime-style pattern ("%d.%m.%y"); eight blanks for 0 or
// when the pattern gives an empty text.
std::string FormatDate(DayDate date, std::string_view pattern);

// Reads a typed date: "." "/" or "-" alone is today; otherwise up to three
// numbers in the pattern's order, the missing month and year taken from today
// (from the past when `past` is set). Returns 0 when the text is not a date.
DayDate ParseDate(std::string_view text, bool past, std::string_view pattern, CivilDate today);

}  // namespace belvane
