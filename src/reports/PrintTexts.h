#pragma once

#include "core/Types.h"

#include <string>
#include <string_view>

namespace belvane {

class CBelvaneDoc;

// The page title of a register print: "<register>, du <from> au <to>", the
// register's name without the " *" of a modified register.
std::string RegisterPrintHeader(const CBelvaneDoc& doc, DayDate from, DayDate to);
// The page title of the other kinds: "<register title>, <print title>".
std::string PrintHeader(const CBelvaneDoc& doc, std::string_view printTitle);
// "- Page n/count -".
std::string PrintFooter(const CBelvaneDoc& doc, int page, int count);

// `text` whole when it has at most `maxChars` characters; else as much as fits
// before an ellipsis "…", ending at the last blank when there is one, so that
// no word is shown cut without the mark.
std::string FitText(std::string_view text, int maxChars);

}  // namespace belvane
