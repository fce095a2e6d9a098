#pragma once

#include "core/Status.h"

#include <string>
#include <string_view>

namespace belvane {

class CStringTable;

// The message that tells the user of failure `status` (not Ok): the one mapping
// from a failure code to its numbered text, for the window and belvane-tool
// alike, with `file` in its place where the text names one (the window names
// status.file(), the tool the path as it was typed).
std::string FailureMessage(const Status& status, const CStringTable& strings,
                           std::string_view file);

}  // namespace belvane
