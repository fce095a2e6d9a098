#include "gui/paint/PrintPages.h"

#include "gui/paint/CPrintPainter.h"
#include "reports/CPrintJob.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace belvane {

void BeginPrintJob(CPrintJob& job, CPrintPainter& painter, const QPaintDevice& device,
                   const PageSetup& setup) {
    const PageArea area = ComputePageArea(setup, kPrintDpi);
    job.Plan();
    if (job.Options().fitWidth && job.WantedRowChars() > 0)
        painter.FitLines(job.WantedRowChars(), area.width, device);
    job.Begin(painter.Measure(device, area.width, area.height));
}

bool PaintPrintJob(CPrintJob& job, const PrintFonts& fonts, QPagedPaintDevice& device,
                   const PageSetup& setup) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // A device that would not take the layout's resolution gets the same
    // pages, drawn to its scale.
    if (device.logicalDpiX() != kPrintDpi || device.logicalDpiY() != kPrintDpi)
        painter.scale(device.logicalDpiX() / static_cast<double>(kPrintDpi),
                      device.logicalDpiY() / static_cast<double>(kPrintDpi));
    CPrintPainter printPainter(fonts, job.Options().colour);
    BeginPrintJob(job, printPainter, device, setup);
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
