#pragma once

#include "core/Status.h"

#include <string>

namespace belvane {

class CPrintJob;

// The print command's painter: the job written to a PDF file with the default
// print fonts on the page of the user's page setup (turned to landscape when
// asked), without a window (see PrintJobToPdf).
Status PrintToolPdf(CPrintJob& job, bool landscape, const std::string& path);

// Tunes the allocator of a process that prints thousands of pages so that the
// memory freed after a page serves the next one.
void KeepFreedMemoryForPages();

}  // namespace belvane
