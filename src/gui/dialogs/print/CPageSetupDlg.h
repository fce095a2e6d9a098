#pragma once

#include "reports/PageSetup.h"

#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace belvane {

// "Configuration de l'impression": Qt's page setup dialog (paper, orientation,
// margins) shown on a page setup; OK leaves the choice in Printer().
class CPageSetupDlg {
public:
    CPageSetupDlg(const PageSetup& setup, QWidget* parent);
    ~CPageSetupDlg();

    // The page the dialog shows and changes.
    QPrinter& Printer() { return *m_printer; }
    PageSetup Setup() const;

    // Runs the dialog modally (or through the runner tests install).
    int Run();
    static void SetRunner(std::function<int(CPageSetupDlg&)> runner);

private:
    std::unique_ptr<QPrinter> m_printer;
    QWidget* m_parent;
};

// Opens the page setup on the one in force; on OK it is kept in the settings
// for every print, the preview and belvane-tool. True on OK.
bool EditPageSetup(QWidget* parent);

}  // namespace belvane
