#include "gui/window/ReportPrinter.h"

#include "gui/dialogs/print/PrintJobs.h"

namespace belvane {

// The print jobs show their own failures.
void ReportPrinter::PrintCategoryTotals(QWidget* parent, const CategoryTotalsPrint& data) {
    belvane::PrintCategoryTotals(m_doc, m_options, data, parent);
}

void ReportPrinter::PrintMatchingLines(QWidget* parent, const MatchingLinesPrint& data) {
    belvane::PrintMatchingLines(m_doc, m_options, data, parent);
}

void ReportPrinter::PrintCharts(QWidget* parent, const ChartsPrint& data) {
    belvane::PrintCharts(m_doc, m_options, data, parent);
}

}  // namespace belvane
