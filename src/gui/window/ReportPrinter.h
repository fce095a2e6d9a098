#pragma once

#include "gui/dialogs/reports/IReportPrinter.h"

namespace belvane {

class CBelvaneDoc;
struct PrintOptions;

// Prints the report windows' data as the print jobs of their kinds: the print
// dialog, then the chosen printer, with the print options of the register's
// view (kept from one job to the next).
class ReportPrinter : public IReportPrinter {
public:
    // `doc` and `options` must outlive the printer.
    ReportPrinter(const CBelvaneDoc& doc, PrintOptions& options) : m_doc(doc), m_options(options) {}

    void PrintCategoryTotals(QWidget* parent, const CategoryTotalsPrint& data) override;
    void PrintMatchingLines(QWidget* parent, const MatchingLinesPrint& data) override;
    void PrintCharts(QWidget* parent, const ChartsPrint& data) override;

private:
    const CBelvaneDoc& m_doc;
    PrintOptions& m_options;
};

}  // namespace belvane
