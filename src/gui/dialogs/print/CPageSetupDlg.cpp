#include "gui/dialogs/print/CPageSetupDlg.h"

#include "gui/support/CQtSettings.h"
#include "gui/support/CResources.h"
#include "gui/support/PrintPageSetup.h"
#include "uilogic/CommandIds.h"

#include <QPageSetupDialog>
#include <QPrinter>

namespace belvane {

namespace {

std::function<int(CPageSetupDlg&)>& Runner() {
    static std::function<int(CPageSetupDlg&)> runner;
    return runner;
}

}  // namespace

CPageSetupDlg::CPageSetupDlg(const PageSetup& setup, QWidget* parent)
    : m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution)), m_parent(parent) {
    // The page serves every printer and PDF files alike: the dialog offers
    // every paper size rather than those of one printer.
    m_printer->setOutputFormat(QPrinter::PdfFormat);
    m_printer->setPageLayout(ToPageLayout(setup));
}

CPageSetupDlg::~CPageSetupDlg() = default;

PageSetup CPageSetupDlg::Setup() const {
    return FromPageLayout(m_printer->pageLayout());
}

int CPageSetupDlg::Run() {
    if (Runner())
        return Runner()(*this);
    QPageSetupDialog dialog(m_printer.get(), m_parent);
    dialog.setWindowTitle(CResources::Tooltip(cmd::kFilePrintSetup));
    return dialog.exec();
}

void CPageSetupDlg::SetRunner(std::function<int(CPageSetupDlg&)> runner) {
    Runner() = std::move(runner);
}

bool EditPageSetup(QWidget* parent) {
    CQtSettings settings;
    CPageSetupDlg dialog(CurrentPageSetup(&settings), parent);
    if (dialog.Run() != QDialog::Accepted)
        return false;
    WritePageSetup(settings, dialog.Setup());
    return true;
}

}  // namespace belvane
