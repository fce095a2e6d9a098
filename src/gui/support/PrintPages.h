#pragma once

#include "reports/PrintFontCode.h"

class QPagedPaintDevice;

namespace belvane {

class CPrintJob;

// Runs a print job on a paged device (a printer, a PDF file): fonts made for
// its resolution, Begin with its page, then each page laid out, painted and
// dropped before the next, then End. False when painting could not start on
// the device (a file that cannot be created, a printer that fails).
bool PaintPrintJob(CPrintJob& job, const PrintFonts& fonts, QPagedPaintDevice& device);

}  // namespace belvane
