#pragma once

#include "reports/PageSetup.h"
#include "reports/PrintFontCode.h"

class QPagedPaintDevice;
class QPaintDevice;

namespace belvane {

class CPrintJob;
class CPrintPainter;

// Begins a job on the printable area of `setup`'s page: the lines font made
// smaller when the job fits its rows to the page width, then the fonts
// measured on `device`. The preview and every printer begin their jobs here,
// so that they get the same pages.
void BeginPrintJob(CPrintJob& job, CPrintPainter& painter, const QPaintDevice& device,
                   const PageSetup& setup);

// Runs a print job on a paged device (a printer, a PDF file) whose page is
// set up as `setup` at kPrintDpi: Begin, then each page laid out, painted and
// dropped before the next, then End. False when painting could not start on
// the device (a file that cannot be created, a printer that fails).
bool PaintPrintJob(CPrintJob& job, const PrintFonts& fonts, QPagedPaintDevice& device,
                   const PageSetup& setup);

}  // namespace belvane
