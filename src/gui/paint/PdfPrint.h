#pragma once

#include "core/Status.h"
#include "reports/PageSetup.h"
#include "reports/PrintFontCode.h"

#include <string>

namespace belvane {

class CPrintJob;

// Prints a job to a PDF file on the paper of `setup`, the same pages a printer
// gets. The file is written beside `path` under a temporary
// name and renamed into place, so that a failed print leaves what was there.
// CannotCreate when the file cannot be made, CannotWrite when it could not be
// completed or put in place. Works without a window: when the program has no
// Qt application yet, one is started on the off-screen platform.
Status PrintJobToPdf(CPrintJob& job, const PrintFonts& fonts, const PageSetup& setup,
                     const std::string& path);

}  // namespace belvane
