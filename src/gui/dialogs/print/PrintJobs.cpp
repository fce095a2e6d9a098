#include "gui/dialogs/print/PrintJobs.h"

#include "core/CBelvaneDoc.h"
#include "gui/dialogs/print/CPrintDlg.h"
#include "gui/dialogs/print/CPrintPreviewDlg.h"
#include "gui/paint/CQtSettings.h"
#include "gui/paint/PdfPrint.h"
#include "gui/paint/PrintPageSetup.h"
#include "gui/paint/PrintPages.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IMessageBox.h"
#include "gui/support/IModal.h"
#include "reports/CPrintJob.h"
#include "reports/PrintPrepare.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace belvane {

namespace {

// Where the pages go: a printer, or a PDF file when `pdf` is set.
struct Target {
    QString printer;
    QString pdf;
    int copies = 1;
    bool collate = true;
};

Status Output(CPrintJob& job, const Target& target) {
    CQtSettings settings;
    const PrintFonts fonts = ReadPrintFonts(&settings);
    const PageSetup setup = CurrentPageSetup(CResources::Active(), &settings);
    if (!target.pdf.isEmpty())
        return PrintJobToPdf(job, fonts, setup, ToStd(target.pdf));
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(target.printer);
    printer.setCopyCount(target.copies);
    printer.setCollateCopies(target.collate);
    printer.setResolution(kPrintDpi);
    printer.setPageLayout(ToPageLayout(setup));
    if (!PaintPrintJob(job, fonts, printer, setup) || printer.printerState() == QPrinter::Error)
        return Status::CannotPrint(ToStd(target.printer), "the printer reported an error");
    return Status::Ok();
}

Status Finish(QWidget* parent, const Status& status) {
    if (!status.ok())
        dlg::ShowFailure(parent, status);
    return status;
}

// Runs the print dialog; false when it was cancelled. The check boxes and
// dates are stored back either way.
bool AskTarget(const CBelvaneDoc& doc, PrintOptions& options, QWidget* parent, Target& target,
               bool& fromTo) {
    CPrintDlg dialog(doc, options, parent);
    const int result = RunModal(dialog);
    dialog.StoreOptions(options);
    if (result != QDialog::Accepted)
        return false;
    fromTo = dialog.FromTo();
    target.printer = dialog.PrinterName();
    target.pdf = dialog.PdfPath();
    target.copies = dialog.Copies();
    target.collate = dialog.Collate();
    return true;
}

template <class Data>
Status PrintOther(const CBelvaneDoc& doc, PrintOptions& options, PrintKind kind, const Data& data,
                  QWidget* parent,
                  CPrintJob (*make)(const CBelvaneDoc&, const PrintOptions&, const Data&)) {
    PreparePrintOptions(doc, kind, options);
    Target target;
    bool fromTo = false;
    if (!AskTarget(doc, options, parent, target, fromTo))
        return Status::Ok();
    CPrintJob job = make(doc, options, data);
    return Finish(parent, Output(job, target));
}

}  // namespace

Status PrintRegister(const CBelvaneDoc& doc, PrintOptions& options, PrintMode mode, QWidget* parent,
                     QString* written) {
    PreparePrintOptions(doc, PrintKind::RegisterLines, options);
    if (mode == PrintMode::Preview) {
        CPrintPreviewDlg preview(doc, options, parent);
        if (RunModal(preview) != QDialog::Accepted)
            return Status::Ok();
        mode = PrintMode::Dialog;
    }
    Target target;
    bool fromTo = false;
    if (mode == PrintMode::Dialog) {
        if (!AskTarget(doc, options, parent, target, fromTo))
            return Status::Ok();
    } else {
        target.printer = QPrinterInfo::defaultPrinterName();
        if (target.printer.isEmpty())
            target.pdf = CPrintDlg::ProposedPdf(doc);
    }
    const LineRange range = SelectPrintRange(doc, fromTo, options);
    CPrintJob job = CPrintJob::RegisterLines(doc, options, range);
    const Status status = Finish(parent, Output(job, target));
    if (status.ok() && written != nullptr)
        *written = mode == PrintMode::Direct ? target.pdf : QString();
    return status;
}

Status PrintMatchingLines(const CBelvaneDoc& doc, PrintOptions& options,
                          const MatchingLinesPrint& data, QWidget* parent) {
    return PrintOther(doc, options, PrintKind::MatchingLines, data, parent,
                      &CPrintJob::MatchingLines);
}

Status PrintCategoryTotals(const CBelvaneDoc& doc, PrintOptions& options,
                           const CategoryTotalsPrint& data, QWidget* parent) {
    return PrintOther(doc, options, PrintKind::CategoryTotals, data, parent,
                      &CPrintJob::CategoryTotals);
}

Status PrintCharts(const CBelvaneDoc& doc, PrintOptions& options, const ChartsPrint& data,
                   QWidget* parent) {
    return PrintOther(doc, options, PrintKind::Charts, data, parent, &CPrintJob::Charts);
}

}  // namespace belvane
