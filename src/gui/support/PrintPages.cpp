#include "gui/support/PrintPages.h"

#include "gui/support/CPrintPainter.h"
#include "reports/CPrintJob.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace belvane {

bool PaintPrintJob(CPrintJob& job, const PrintFonts& fonts, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const CPrintPainter printPainter(fonts, device, job.Options().colour);
    job.Begin(printPainter.Measure(device, device.width(), device.height()));
    PrintPage page;
    const int count = job.PageCount();
    bool ok = true;
    for (int p = 1; p <= count && ok; ++p) {
        if (p > 1)
            ok = device.newPage();
        job.LayPage(p, page);
        printPainter.Paint(painter, page);
    }
    job.End();
    return painter.end() && ok;
}

}  // namespace belvane
