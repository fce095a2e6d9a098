#pragma once

class QWidget;

namespace belvane {

class CBelvaneDoc;
class IReportPrinter;
struct PrintOptions;

// The frame's report commands: each opens its window on the register; the
// windows print through `printer` (nothing is printed when it is null).

// "Totaux...": the totals dialog, whose "Totaux par &rubriques" opens the
// totals-by-category window for the dates typed there.
void ShowTotals(const CBelvaneDoc& doc, IReportPrinter* printer, QWidget* parent);

// "&Graphiques...": the charts dialog, or message 10096 when the register has
// no line.
void ShowCharts(const CBelvaneDoc& doc, IReportPrinter* printer, QWidget* parent);

// The same, printing through the print dialog with the print options
// `options` of the register's view.
void ShowTotals(const CBelvaneDoc& doc, PrintOptions& options, QWidget* parent);
void ShowCharts(const CBelvaneDoc& doc, PrintOptions& options, QWidget* parent);

}  // namespace belvane
