#pragma once

#include "gui/dialogs/reports/IReportPrinter.h"
#include "reports/PrintFontCode.h"
#include "reports/PrintOptions.h"

#include <functional>

namespace belvane {

class CBelvaneDoc;
class CPrintJob;
class ISettingsStore;

// Prints the report windows' data through the print engine: a job of the
// window's kind on the options kept from one job to the next, with the print
// fonts of the settings.
class ReportPrinter : public IReportPrinter {
public:
    // Where a job goes; by default the print dialog, then the printer chosen.
    using Output = std::function<void(QWidget* parent, CPrintJob& job, const PrintFonts& fonts)>;

    // `settings` may be null (the default print fonts).
    ReportPrinter(const CBelvaneDoc& doc, const ISettingsStore* settings, Output output = {});

    void PrintCategoryTotals(QWidget* parent, const CategoryTotalsPrint& data) override;
    void PrintMatchingLines(QWidget* parent, const MatchingLinesPrint& data) override;
    void PrintCharts(QWidget* parent, const ChartsPrint& data) override;

private:
    static void ToPrinter(QWidget* parent, CPrintJob& job, const PrintFonts& fonts);

    const CBelvaneDoc& m_doc;
    const ISettingsStore* m_settings;
    Output m_output;
    PrintOptions m_options;
};

}  // namespace belvane
