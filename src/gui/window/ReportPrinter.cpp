#include "gui/window/ReportPrinter.h"

#include "core/CBelvaneDoc.h"
#include "gui/support/PrintPages.h"
#include "reports/CPrintJob.h"
#include "reports/PrintPrepare.h"

#include <QPrintDialog>
#include <QPrinter>

namespace belvane {

ReportPrinter::ReportPrinter(const CBelvaneDoc& doc, const ISettingsStore* settings, Output output)
    : m_doc(doc), m_settings(settings), m_output(output ? std::move(output) : Output(ToPrinter)) {}

void ReportPrinter::ToPrinter(QWidget* parent, CPrintJob& job, const PrintFonts& fonts) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted)
        PaintPrintJob(job, fonts, printer);
}

void ReportPrinter::PrintCategoryTotals(QWidget* parent, const CategoryTotalsPrint& data) {
    PreparePrintOptions(m_doc, PrintKind::CategoryTotals, m_options);
    CPrintJob job = CPrintJob::CategoryTotals(m_doc, m_options, data);
    m_output(parent, job, ReadPrintFonts(m_settings));
}

void ReportPrinter::PrintMatchingLines(QWidget* parent, const MatchingLinesPrint& data) {
    PreparePrintOptions(m_doc, PrintKind::MatchingLines, m_options);
    CPrintJob job = CPrintJob::MatchingLines(m_doc, m_options, data);
    m_output(parent, job, ReadPrintFonts(m_settings));
}

void ReportPrinter::PrintCharts(QWidget* parent, const ChartsPrint& data) {
    PreparePrintOptions(m_doc, PrintKind::Charts, m_options);
    CPrintJob job = CPrintJob::Charts(m_doc, m_options, data);
    m_output(parent, job, ReadPrintFonts(m_settings));
}

}  // namespace belvane
