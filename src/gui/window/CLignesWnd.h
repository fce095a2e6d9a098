#pragma once

#include "uilogic/SelectionLogic.h"
#include "uilogic/ViewGeometry.h"

#include <QFont>
#include <QWidget>

#include <optional>
#include <string>

namespace belvane {

class CBelvaneDoc;

// The lines area of a register pane: paints the rows newest first, keeps the
// selection and turns clicks into selections, corrections and context menus.
// The pane (CBelvaneView) owns the scroll positions and hands them over.
class CLignesWnd : public QWidget {
    Q_OBJECT

public:
    CLignesWnd(CBelvaneDoc& doc, QWidget* parent);

    void SetMetrics(const QFont& font, int rowHeight, int charWidth);
    int RowHeight() const { return m_rowHeight; }
    int CharWidth() const { return m_charWidth; }

    int HorizontalPosition() const { return m_hpos; }
    int VerticalPosition() const { return m_vpos; }
    // Sets the positions without moving what is drawn (a full repaint follows).
    void SetPositions(int hpos, int vpos);
    // Moves the drawn rows to the new positions; only the uncovered strip is painted again.
    void ScrollTo(int hpos, int vpos);
    RowLayout Layout() const;

    SelectionState Selection() const { return m_selection; }
    int SelectedLine() const { return m_selection.selected; }
    // No selection and nothing to bring back (a new or loaded register).
    void ResetSelection();
    // Brings a selection left beyond the last line back to the newest line.
    void ClampSelection();

    bool IsActive() const { return m_active; }
    // Repaints the selected row in (or out of) the selected colours and tells the
    // frame whether the active pane has a selected line.
    void SetActive(bool active);

    // The selection click at client y: selects, deselects, or does nothing below
    // the oldest line.
    void ClickAt(int y);
    // Statement mode: stamps the selected line with the statement date, unstamps
    // it, or beeps when it belongs to another statement.
    void ToggleStatement();
    // The statement-mode cursor while the mode is on.
    void ShowStatementMode(bool on);
    void InvalidateLine(int index);

    // Rows formatted by paints since the last reset, for the tests and benchmarks.
    long FormattedRows() const { return m_formattedRows; }
    void ResetFormattedRows() { m_formattedRows = 0; }

signals:
    void statusTextChanged(const QString& text);
    void lineSelectedChanged(bool selected);
    void correctRequested();
    void contextMenuRequested(const QPoint& globalPos);
    // A mouse button went down in the area: the pane takes the focus.
    void pressed();
    // The wheel turned over the area (eighths of a degree, positive away from the user).
    void wheelTurned(int delta);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void TellSelected(bool selected);
    void ShowSelectedStatus();

    CBelvaneDoc& m_doc;
    QFont m_font;
    int m_ascent = 8;
    int m_rowHeight = 8;
    int m_charWidth = 8;
    int m_hpos = 0;
    int m_vpos = 0;
    bool m_active = false;
    SelectionState m_selection;
    // What this pane last told the frame, so that a paint only speaks on a change.
    std::optional<bool> m_told;
    std::string m_rowText;
    long m_formattedRows = 0;
};

}  // namespace belvane
