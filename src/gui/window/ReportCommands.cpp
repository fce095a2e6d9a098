#include "gui/window/ReportCommands.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/lines/CTotauxDlg.h"
#include "gui/dialogs/reports/CGraphiquesDlg.h"
#include "gui/dialogs/reports/CTotauxRubriquesDlg.h"
#include "gui/support/CResources.h"
#include "gui/support/IMessageBox.h"
#include "gui/support/IModal.h"
#include "gui/window/ReportPrinter.h"

namespace belvane {

void ShowTotals(const CBelvaneDoc& doc, IReportPrinter* printer, QWidget* parent) {
    CTotauxDlg totals(doc, parent);
    QObject::connect(&totals, &CTotauxDlg::byCategoryRequested, &totals,
                     [&](DayDate start, DayDate end) {
                         CTotauxRubriquesDlg byCategory(doc, start, end, printer, &totals);
                         RunModal(byCategory);
                     });
    RunModal(totals);
}

void ShowCharts(const CBelvaneDoc& doc, IReportPrinter* printer, QWidget* parent) {
    if (doc.GetLineCount() == 0) {
        IMessageBox::Current().Show(parent, CResources::Str(ids::kMsgNoLineToChart),
                                    IMessageBox::Icon::None, IMessageBox::Buttons::Ok);
        return;
    }
    CGraphiquesDlg charts(doc, printer, parent);
    RunModal(charts);
}

void ShowTotals(const CBelvaneDoc& doc, PrintOptions& options, QWidget* parent) {
    ReportPrinter printer(doc, options);
    ShowTotals(doc, &printer, parent);
}

void ShowCharts(const CBelvaneDoc& doc, PrintOptions& options, QWidget* parent) {
    ReportPrinter printer(doc, options);
    ShowCharts(doc, &printer, parent);
}

}  // namespace belvane
