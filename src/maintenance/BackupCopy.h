#pragma once

#include "core/Status.h"

#include <string>

namespace belvane {

// Copies a listed file over its backup copy. The new copy is written beside the
// old one and takes its place only once complete and on disk, so that a copy
// failing or interrupted half-way never costs the previous backup. A file
// copied onto itself is left alone. Fails with CannotOpen (the source) or
// CannotWrite (the destination).
Status CopyForBackup(const std::string& source, const std::string& destination);

}  // namespace belvane
