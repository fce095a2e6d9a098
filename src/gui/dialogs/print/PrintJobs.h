#pragma once

#include "core/Status.h"
#include "reports/PrintData.h"
#include "reports/PrintOptions.h"

#include <QString>

class QWidget;

// Print jobs as the windows start them: the options prepared for the kind, the
// print dialog, then the pages painted on the chosen printer or PDF file. A
// failure is shown to the user here (message box) and returned.
namespace belvane {

class CBelvaneDoc;

enum class PrintMode {
    Dialog,   // "Imprimer...": the print dialog first
    Direct,   // the default printer (or a PDF file beside the register), no dialog
    Preview,  // the pages on screen, no dialog
};

// The register's lines. `options` is the block the register's view keeps; the
// dialog stores its check boxes there even when cancelled. `written` receives
// the PDF file a direct print wrote when the machine has no printer.
Status PrintRegister(const CBelvaneDoc& doc, PrintOptions& options, PrintMode mode, QWidget* parent,
                     QString* written = nullptr);

// The other kinds, always through the dialog; the data must stay alive until
// the call returns.
Status PrintMatchingLines(const CBelvaneDoc& doc, PrintOptions& options,
                          const MatchingLinesPrint& data, QWidget* parent);
Status PrintCategoryTotals(const CBelvaneDoc& doc, PrintOptions& options,
                           const CategoryTotalsPrint& data, QWidget* parent);
Status PrintCharts(const CBelvaneDoc& doc, PrintOptions& options, const ChartsPrint& data,
                   QWidget* parent);

}  // namespace belvane
