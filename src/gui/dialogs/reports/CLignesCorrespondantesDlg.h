#pragma once

#include <QDialog>

#include <cstdint>
#include <string>
#include <vector>

namespace belvane {

class CBelvaneDoc;
class CLignesCorrespondantesWnd;
class IReportPrinter;

// The matching-lines window (220, menu 221): the lines behind a total or a
// bar, in the register's own rows, opened maximized. "&Imprimer..." prints
// them as a matching-lines job with the print title.
class CLignesCorrespondantesDlg : public QDialog {
    Q_OBJECT

public:
    // `printer` may be null: printing then does nothing.
    CLignesCorrespondantesDlg(const CBelvaneDoc& doc, std::vector<std::uint32_t> indices,
                              const std::string& title, std::string printTitle,
                              IReportPrinter* printer, QWidget* parent = nullptr);

    CLignesCorrespondantesWnd* Rows() const { return m_rows; }
    void Print();

private:
    void RunCommand(int command);

    std::string m_printTitle;
    IReportPrinter* m_printer;
    CLignesCorrespondantesWnd* m_rows = nullptr;
};

}  // namespace belvane
