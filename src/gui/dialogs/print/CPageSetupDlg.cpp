#include "gui/dialogs/print/CPageSetupDlg.h"

#include "gui/paint/CQtSettings.h"
#include "gui/paint/PrintPageSetup.h"
#include "gui/support/CResources.h"
#include "gui/support/IModal.h"
#include "uilogic/CommandIds.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace belvane {

bool EditPageSetup(QWidget* parent) {
    CQtSettings settings;
    // The page serves every printer and PDF files alike: the dialog offers
    // every paper size rather than those of one printer.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageLayout(ToPageLayout(CurrentPageSetup(CResources::Active(), &settings)));
    QPageSetupDialog dialog(&printer, parent);
    dialog.setWindowTitle(CResources::Tooltip(cmd::kFilePrintSetup));
    if (RunModal(dialog) != QDialog::Accepted)
        return false;
    WritePageSetup(settings, FromPageLayout(printer.pageLayout()));
    return true;
}

}  // namespace belvane
