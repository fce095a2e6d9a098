#pragma once

#include "core/IDocObserver.h"
#include "reports/PrintOptions.h"

#include <QPointer>
#include <QWidget>

class QScrollBar;

namespace belvane {

class CBelvaneDoc;
class CEnteteWnd;
class CLignesWnd;

// One pane of the register: the title band over the lines area, newest line at
// the top, with its own scroll positions and selection. The frame's splitter may
// show up to four of them on the same document.
class CBelvaneView : public QWidget, public IDocObserver {
    Q_OBJECT

public:
    explicit CBelvaneView(CBelvaneDoc& doc, QWidget* parent = nullptr);
    ~CBelvaneView() override;

    CBelvaneDoc& Document() const { return m_doc; }

    // Selected line index, or -1.
    int SelectedLine() const;
    // Whether this pane is the active one (the one the commands act on).
    bool IsActiveView() const;
    void SetActiveView(bool active);
    // Selects a line and scrolls so that it is visible (the search uses it).
    void SelectAndShow(int index);
    // Measures the register's font and lays the pane out again.
    void RecomputeMetrics();

    // Positions, for the tests and the splitter.
    int VerticalPosition() const;
    int HorizontalPosition() const;
    int RowHeight() const;
    int CharWidth() const;
    CLignesWnd* LinesArea() const;
    CEnteteWnd* TitleBand() const;

    // Rows per wheel notch (-1: a page per notch). Read from the desktop setting
    // when the pane is made; tests set their own.
    void SetWheelStep(int step);

    // The print options kept from one print job to the next.
    PrintOptions& GetPrintOptions() { return m_printOptions; }

    // IDocObserver
    void OnRedrawAll() override;
    void OnLineChanged(int index) override;
    void OnStatementMode(DayDate date) override;
    void OnResetDisplay() override;

signals:
    // The frame enables "correct" and "delete" by this (only the active pane sends it).
    void lineSelectedChanged(bool selected);
    // Text for the status bar's message pane (a line's description, or the idle prompt).
    void statusTextChanged(const QString& text);
    // A command the view asks the frame to run (double click: correct the line).
    void commandRequested(int command);
    // Right click: the frame shows context menu 209 at this screen point.
    void contextMenuRequested(const QPoint& globalPos);
    // The pane got the focus or a click: it becomes the active pane.
    void activated(CBelvaneView* view);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    class Private;
    CBelvaneDoc& m_doc;
    Private* d;
    PrintOptions m_printOptions;
};

}  // namespace belvane
