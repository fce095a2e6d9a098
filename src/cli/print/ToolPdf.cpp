#include "cli/print/ToolPdf.h"

#include "core/CResourceSet.h"
#include "gui/paint/PdfPrint.h"
#include "gui/paint/PrintPageSetup.h"
#include "reports/PrintFontCode.h"

#include <malloc.h>

namespace belvane {

void KeepFreedMemoryForPages() {
    // Each page's content is built in a buffer of a few hundred kilobytes that
    // the PDF writer frees when the page is done. By default such blocks are
    // mapped and unmapped page after page, and every fresh memory page costs a
    // fault; kept in the heap, the next page reuses the same memory.
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

Status PrintToolPdf(CPrintJob& job, bool landscape, const std::string& path) {
    KeepFreedMemoryForPages();
    PageSetup setup = CurrentPageSetup(CResourceSet::Builtin());
    setup.landscape = setup.landscape || landscape;
    return PrintJobToPdf(job, ReadPrintFonts(nullptr), setup, path);
}

}  // namespace belvane
