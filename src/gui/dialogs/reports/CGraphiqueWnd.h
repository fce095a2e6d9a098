#pragma once

#include "reports/ChartPeriods.h"

#include <QImage>
#include <QWidget>

namespace belvane {

// The chart area of the charts dialog: pairs of bars (credits green, debits
// red) with depth over the period labels, from the scroll position on. What
// it draws is kept as a picture, and the bar under the pointer is the one
// whose colour the pixel there has: the face and the darker depth edge of a bar
// both name it.
class CGraphiqueWnd : public QWidget {
    Q_OBJECT

public:
    explicit CGraphiqueWnd(QWidget* parent = nullptr);

    // The chart shown (kept by the caller while shown).
    void SetChart(const ChartData* chart);
    void SetScrollPosition(int position);
    // U: the character height of the area's font; a period takes 5 U pixels.
    int Unit() const;
    // Periods a page shows.
    int PageSize() const;

    // The hovered period (-1: none) and series (+1 credits, -1 debits).
    int HoveredPeriod() const { return m_hoveredPeriod; }
    int HoveredSeries() const { return m_hoveredSeries; }
    // Looks at the pixel at `pos` (area coordinates) and sets the hovered bar.
    // Returns whether a bar is there.
    bool HitTest(const QPoint& pos);
    // Periods drawn by the last paint, for the tests and benchmarks.
    int DrawnPeriods() const { return m_drawnPeriods; }
    // Draws the chart into the kept picture (as a paint does).
    void Render();

signals:
    // The pointer moved onto a bar or off every bar.
    void hoverChanged();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const ChartData* m_chart = nullptr;
    int m_position = 0;
    int m_hoveredPeriod = -1;
    int m_hoveredSeries = 0;
    int m_drawnPeriods = 0;
    QImage m_picture;
};

}  // namespace belvane
