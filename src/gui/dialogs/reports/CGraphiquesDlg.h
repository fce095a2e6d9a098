#pragma once

#include "reports/ChartPeriods.h"

#include <QDialog>

#include <cstdint>
#include <vector>

class QComboBox;
class QLineEdit;
class QScrollBar;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;
class CGraphiqueWnd;
class IReportPrinter;

// The charts dialog (227, context menu 231): the credits and debits of each
// day, week, month or year of a range, for all lines or one category (and
// subcategory), as pairs of bars. Opens maximized on the first and last
// lines' dates by month, scrolled to the end. Pointing at a bar shows its
// amount after "Total:"; a double click lists its lines.
class CGraphiquesDlg : public QDialog {
    Q_OBJECT

public:
    // The register must hold at least one line. `printer` may be null.
    CGraphiquesDlg(const CBelvaneDoc& doc, IReportPrinter* printer, QWidget* parent = nullptr);

    // "&Calculer": reads the fields and computes the chart. A date that does
    // not read, or a range ending before it starts, is refused with a message
    // and the previous chart stays.
    void Compute();
    const ChartData& Chart() const { return m_chart; }
    CGraphiqueWnd* Area() const { return m_area; }
    // The lines behind the hovered bar (none without one).
    std::vector<std::uint32_t> HoveredLines() const;
    // Lists them in the matching-lines window, or shows 10083 when there is none.
    void ShowMatchingLines();
    void Print();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void RunCommand(int command);
    void ShowBarLines(int period, bool credits);
    void CategoryLeft();
    void UpdateScrollRange();
    void ShowHovered();
    // Both date fields read or are empty; else refuses (10026), focus there.
    bool DatesRead();
    // The range typed, the first and last lines' dates for an empty field.
    void Range(DayDate& from, DayDate& to) const;

    const CBelvaneDoc& m_doc;
    IReportPrinter* m_printer;
    ChartData m_chart;
    ChartFilter m_filter;  // of the chart shown
    CDateEdit* m_from = nullptr;
    CDateEdit* m_to = nullptr;
    QComboBox* m_period = nullptr;
    QComboBox* m_category = nullptr;
    QComboBox* m_subcategory = nullptr;
    QLineEdit* m_total = nullptr;
    CGraphiqueWnd* m_area = nullptr;
    QScrollBar* m_scroll = nullptr;
    bool m_scrolledToEnd = false;
    int m_menuPeriod = -1;
    bool m_menuCredits = false;
};

}  // namespace belvane
