#include "gui/dialogs/reports/CGraphiqueWnd.h"

#include "gui/paint/QtText.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace belvane {

namespace {

const QColor kCredit(0, 255, 0);
const QColor kCreditDepth(0, 192, 0);
const QColor kDebit(255, 0, 0);
const QColor kDebitDepth(192, 0, 0);
constexpr int kDepth = 3;

// One bar from `left` to `left` + 2 U (both edges drawn), `height` pixels above
// the baseline, its top and right faces `kDepth` pixels deep.
void DrawBar(QPainter& p, int left, int unit, int baseline, int height, const QColor& face,
             const QColor& depth) {
    const int right = left + 2 * unit;
    const int top = baseline - height;
    p.setPen(depth);
    for (int j = 1; j <= kDepth; ++j) {
        p.drawLine(left + j, top - j, right + j, top - j);
        p.drawLine(right + j, top - j, right + j, baseline - j + 1);
    }
    p.fillRect(QRect(QPoint(left, top), QPoint(right, baseline)), face);
    p.setPen(Qt::black);
    p.drawRect(QRect(QPoint(left, top), QPoint(right - 1, baseline - 1)));
    p.drawLine(left, top, left + kDepth, top - kDepth);
    p.drawLine(left + kDepth, top - kDepth, right + kDepth, top - kDepth);
    p.drawLine(right, top, right + kDepth, top - kDepth);
    p.drawLine(right + kDepth, top - kDepth, right + kDepth, baseline - kDepth + 1);
    p.drawLine(right + kDepth, baseline - kDepth + 1, right, baseline);
}

}  // namespace

CGraphiqueWnd::CGraphiqueWnd(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CGraphiqueWnd::SetChart(const ChartData* chart) {
    m_chart = chart;
    update();
}

void CGraphiqueWnd::SetScrollPosition(int position) {
    m_position = position;
    update();
}

int CGraphiqueWnd::Unit() const {
    return std::max(1, fontMetrics().height());
}

int CGraphiqueWnd::PageSize() const {
    return width() / (5 * Unit());
}

void CGraphiqueWnd::Render() {
    if (m_picture.size() != size())
        m_picture = QImage(size(), QImage::Format_RGB32);
    m_hoveredPeriod = -1;
    m_hoveredSeries = 0;
    m_drawnPeriods = 0;
    m_picture.fill(Qt::white);
    const int w = width();
    const int h = height();
    const int u = Unit();
    if (!m_chart || h - 3 * u <= 0 || m_chart->largest == 0 || m_picture.isNull())
        return;

    QPainter p(&m_picture);
    p.setFont(font());
    const double scale = static_cast<double>(h - 3 * u) / static_cast<double>(m_chart->largest);
    const int baseline = h - 2 * u - 5;
    p.setPen(Qt::black);
    p.drawLine(0, baseline, w + 1, baseline);

    // Only the periods in sight: a page costs the same whatever the count.
    const int count = static_cast<int>(m_chart->periods.size());
    const int first = std::max(0, m_position - 1);
    const int last = std::min(count - 1, m_position + w / (5 * u) + 1);
    for (int i = first; i <= last; ++i) {
        const int x = (i - m_position) * 5 * u;
        if (x <= -5 * u || x > w)
            continue;
        const PeriodTotal& period = m_chart->periods[i];
        if (period.credits != 0)
            DrawBar(p, x, u, baseline, static_cast<int>(period.credits * scale), kCredit,
                    kCreditDepth);
        if (period.debits != 0)
            DrawBar(p, x + 2 * u, u, baseline, static_cast<int>(period.debits * scale), kDebit,
                    kDebitDepth);
        // Centred under the bars, but moved right when it would start off the
        // window: the first week's label is wider than its period.
        const QString label = FromStd(period.label);
        QRect box(x - u, baseline + 3, 6 * u, 2 * u);
        const int flags = Qt::AlignHCenter | Qt::AlignTop;
        box.translate(std::max(0, -p.fontMetrics().boundingRect(box, flags, label).left()), 0);
        p.setPen(Qt::black);
        p.drawText(box, flags, label);
        ++m_drawnPeriods;
    }
}

void CGraphiqueWnd::paintEvent(QPaintEvent*) {
    Render();
    QPainter(this).drawImage(0, 0, m_picture);
}

bool CGraphiqueWnd::HitTest(const QPoint& pos) {
    if (!rect().contains(pos))
        return false;
    const QColor colour = m_picture.valid(pos) ? m_picture.pixelColor(pos) : QColor(Qt::white);
    int series = 0;
    if (colour == kDebit || colour == kDebitDepth)
        series = -1;
    else if (colour == kCredit || colour == kCreditDepth)
        series = 1;
    const int period = series != 0 ? (pos.x() + m_position * 5 * Unit()) / (5 * Unit()) : -1;
    if (!m_chart || period < 0 || period >= static_cast<int>(m_chart->periods.size()))
        series = 0;
    const bool changed =
        m_hoveredSeries != series || m_hoveredPeriod != (series != 0 ? period : -1);
    m_hoveredSeries = series;
    m_hoveredPeriod = series != 0 ? period : -1;
    if (changed)
        emit hoverChanged();
    return series != 0;
}

void CGraphiqueWnd::mouseMoveEvent(QMouseEvent* event) {
    HitTest(event->position().toPoint());
}

void CGraphiqueWnd::mouseDoubleClickEvent(QMouseEvent*) {
    emit doubleClicked();
}

}  // namespace belvane
