// Printing a register at the 300000-line limit, headless: the whole register
// written to a PDF file (time and the process's peak memory, VmHWM), the first
// page of the program's preview, and what the framework's own preview widget
// costs, which lays out every page before it shows one.
//
// Usage: belvane-print-probe [--lines N] [--framework-lines N] [--fit-width]
//                            [--full-widths] [--landscape] OUT.pdf
// (N: 300000 by default; the framework preview runs on --framework-lines lines,
// 0 to leave it out. The page setup is kept in settings of the probe's own.)

#include "SyntheticRegister.h"

#include "cli/print/ToolPdf.h"

#include "core/CBelvaneDoc.h"
#include "core/CResourceSet.h"
#include "core/RegisterFile.h"
#include "gui/dialogs/print/CPrintPreviewDlg.h"
#include "gui/paint/CQtSettings.h"
#include "gui/paint/PdfPrint.h"
#include "gui/paint/PrintPageSetup.h"
#include "gui/paint/PrintPages.h"
#include "reports/CPrintJob.h"
#include "reports/PrintPrepare.h"

#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

using Steady = std::chrono::steady_clock;
using namespace belvane;

double MsSince(Steady::time_point start) {
    return std::chrono::duration<double, std::milli>(Steady::now() - start).count();
}

// VmHWM of /proc/self/status in MB (10^6 bytes).
double PeakMb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        long kb = 0;
        if (key == "VmHWM:" && status >> kb)
            return kb * 1024.0 / 1e6;
    }
    return 0;
}

std::unique_ptr<CBelvaneDoc> MakeRegister(int lines) {
    const std::string bytes = WriteRegister(bench::MakeSyntheticRegister(lines));
    auto doc = std::make_unique<CBelvaneDoc>();
    doc->LoadFromBytes({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    return doc;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    int lines = bench::kBenchLines;
    int frameworkLines = 30000;
    bool fitWidth = false, fullWidths = false, landscape = false;
    std::string out;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--lines" && i + 1 < argc)
            lines = std::atoi(argv[++i]);
        else if (a == "--framework-lines" && i + 1 < argc)
            frameworkLines = std::atoi(argv[++i]);
        else if (a == "--fit-width")
            fitWidth = true;
        else if (a == "--full-widths")
            fullWidths = true;
        else if (a == "--landscape")
            landscape = true;
        else
            out = a;
    }
    PageSetup setup = CurrentPageSetup(CResourceSet::Builtin());
    setup.landscape = landscape;
    {
        CQtSettings settings;
        WritePageSetup(settings, setup);
    }
    if (out.empty()) {
        std::fprintf(stderr,
                     "usage: belvane-print-probe [--lines N] [--framework-lines N] OUT.pdf\n");
        return 2;
    }

    const auto doc = MakeRegister(lines);
    std::printf("register: %d lines, peak so far %.1f MB\n", doc->GetLineCount(), PeakMb());

    PrintOptions options;
    options.fitWidth = fitWidth;
    options.screenWidths = !fullWidths;
    PreparePrintOptions(*doc, PrintKind::RegisterLines, options);
    auto start = Steady::now();
    {
        CPrintPreviewDlg preview(*doc, options);
        preview.show();
        preview.grab();  // paints the first page
        std::printf("program preview: %d pages, first page shown in %.0f ms\n", preview.PageCount(),
                    MsSince(start));
    }

    // As belvane-tool print does.
    KeepFreedMemoryForPages();
    start = Steady::now();
    CPrintJob job = CPrintJob::RegisterLines(*doc, options, {0, doc->GetLineCount() - 1});
    const Status written = PrintJobToPdf(job, ReadPrintFonts(nullptr), setup, out);
    std::printf("PDF: %s, %d pages in %.1f s, peak %.1f MB\n", written.ok() ? "written" : "FAILED",
                job.PageCount(), MsSince(start) / 1000, PeakMb());

    if (frameworkLines > 0) {
        const auto small = MakeRegister(frameworkLines);
        PrintOptions smallOptions;
        PreparePrintOptions(*small, PrintKind::RegisterLines, smallOptions);
        CPrintJob smallJob =
            CPrintJob::RegisterLines(*small, smallOptions, {0, small->GetLineCount() - 1});
        QPrinter printer(QPrinter::HighResolution);
        QPrintPreviewWidget widget(&printer);
        QObject::connect(&widget, &QPrintPreviewWidget::paintRequested, [&](QPrinter* p) {
            PaintPrintJob(smallJob, ReadPrintFonts(nullptr), *p, setup);
        });
        start = Steady::now();
        widget.updatePreview();
        std::printf(
            "framework preview of %d lines: %d pages before the first is shown, %.1f s, "
            "peak %.1f MB\n",
            frameworkLines, widget.pageCount(), MsSince(start) / 1000, PeakMb());
    }
    return written.ok() ? 0 : 1;
}
