#pragma once

#include "core/Types.h"
#include "reports/CategoryTotals.h"

#include <QDialog>

#include <string>
#include <vector>

class QPushButton;
class QScrollBar;

namespace belvane {

class CBelvaneDoc;
class IReportPrinter;

// The totals-by-category window (189, menus 190 and 219): one button per
// category (first column) and per subcategory (on the category's row), each
// with the name and the total, opened maximized. A click on a total, or
// "&Afficher les lignes correspondantes...", lists the lines behind the total
// that has the keyboard focus; the arrow keys move that focus along the grid.
class CTotauxRubriquesDlg : public QDialog {
    Q_OBJECT

public:
    // `end` is kOpenEndDate when no end was given. `printer` may be null.
    CTotauxRubriquesDlg(const CBelvaneDoc& doc, DayDate start, DayDate end, IReportPrinter* printer,
                        QWidget* parent = nullptr);

    const std::vector<CategoryTotal>& Totals() const { return m_totals; }
    QSize CellSize() const { return {m_cellWidth, m_cellHeight}; }
    int ColumnCount() const { return m_columns; }
    int RowCount() const { return static_cast<int>(m_totals.size()); }
    QWidget* Grid() const { return m_grid; }

    // The category and subcategory of the focused total, both empty without one.
    void ChosenTotal(std::string& category, std::string& subcategory) const;
    // The lines behind the chosen total.
    std::vector<std::uint32_t> ChosenLines() const;
    // Lists the lines behind the chosen total in the matching-lines window, or
    // shows message 10083 when there is none.
    void ShowMatchingLines();
    void Print();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Total {
        QPushButton* button;
        int category;
        int subcategory;  // -1: the category's own total
    };

    void RunCommand(int command);
    void UpdateScrollRanges();
    void ScrollTo(int column, int row);
    // Focuses the total at that cell and scrolls it into sight.
    void FocusCell(int column, int row);

    const CBelvaneDoc& m_doc;
    DayDate m_start;
    DayDate m_end;
    IReportPrinter* m_printer;
    std::vector<CategoryTotal> m_totals;
    std::vector<Total> m_buttons;  // in creation order
    std::vector<int> m_rowFirst;   // index in m_buttons of each row's category total
    int m_columns = 1;
    int m_cellWidth = 1;
    int m_cellHeight = 1;
    int m_column = 0;  // scroll positions, in cells
    int m_row = 0;
    QWidget* m_grid = nullptr;
    QScrollBar* m_hbar = nullptr;
    QScrollBar* m_vbar = nullptr;
};

}  // namespace belvane
