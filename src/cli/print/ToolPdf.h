#pragma once

#include "core/Status.h"

#include <string>

namespace belvane {

class CPrintJob;

// The print command's painter: the job written to a PDF file with the default
// print fonts, without a window (see PrintJobToPdf).
Status PrintToolPdf(CPrintJob& job, const std::string& path);

}  // namespace belvane
