#include "gui/dialogs/reports/CLignesCorrespondantesDlg.h"

#include "gui/dialogs/reports/CLignesCorrespondantesWnd.h"
#include "gui/dialogs/reports/IReportPrinter.h"
#include "gui/dialogs/reports/ReportMenus.h"
#include "gui/paint/QtText.h"
#include "gui/support/WindowSizing.h"
#include "reports/PrintData.h"

#include <QMenuBar>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 220;
constexpr int kMenu = 221;
constexpr int kPrint = 32844;
constexpr int kExit = 2;

}  // namespace

CLignesCorrespondantesDlg::CLignesCorrespondantesDlg(const CBelvaneDoc& doc,
                                                     std::vector<std::uint32_t> indices,
                                                     const std::string& title,
                                                     std::string printTitle,
                                                     IReportPrinter* printer, QWidget* parent)
    : QDialog(parent), m_printTitle(std::move(printTitle)), m_printer(printer) {
    setObjectName(QString::number(kDialog));
    setWindowTitle(FromStd(title));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    m_rows = new CLignesCorrespondantesWnd(doc, std::move(indices), this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(reportmenus::MakeMenuBar(this, kMenu, [this](int c) { RunCommand(c); }));
    layout->addWidget(m_rows);
    dlg::SizeWindow(this, kDialog);
    m_rows->setFocus();
}

void CLignesCorrespondantesDlg::RunCommand(int command) {
    if (command == kPrint)
        Print();
    else if (command == kExit)
        reject();
}

void CLignesCorrespondantesDlg::Print() {
    if (m_printer) {
        MatchingLinesPrint data;
        data.lines.assign(m_rows->Indices().begin(), m_rows->Indices().end());
        data.printTitle = m_printTitle;
        m_printer->PrintMatchingLines(this, data);
    }
    m_rows->setFocus();
}

}  // namespace belvane
