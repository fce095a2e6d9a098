#include "cli/print/ToolPdf.h"

#include "gui/support/PdfPrint.h"
#include "reports/PrintFontCode.h"

namespace belvane {

Status PrintToolPdf(CPrintJob& job, const std::string& path) {
    return PrintJobToPdf(job, ReadPrintFonts(nullptr), path);
}

}  // namespace belvane
