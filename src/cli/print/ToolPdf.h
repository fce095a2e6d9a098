#pragma once

#include "core/Status.h"

#include <string>

namespace belvane {

class CPrintJob;

// The print command's painter: the job written to a PDF file with the default
// print fonts, without a window (see PrintJobToPdf).
Status PrintToolPdf(CPrintJob& job, const std::string& path);

// Tunes the allocator of a process that prints thousands of pages so that the
// memory freed after a page serves the next one.
void KeepFreedMemoryForPages();

}  // namespace belvane
