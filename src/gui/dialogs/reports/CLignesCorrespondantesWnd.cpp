#include "gui/dialogs/reports/CLignesCorrespondantesWnd.h"

#include "core/CBelvaneDoc.h"
#include "core/LineText.h"
#include "gui/paint/QtText.h"
#include "gui/support/FontConversions.h"
#include "gui/support/RegisterLook.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace belvane {

namespace {

const QColor kTitleBand(0, 0, 128);

// Moves a scroll bar by `delta`, or to one end.
void Step(QScrollBar* bar, int delta) {
    bar->setValue(std::clamp(bar->value() + delta, bar->minimum(), bar->maximum()));
}

}  // namespace

CLignesCorrespondantesWnd::CLignesCorrespondantesWnd(const CBelvaneDoc& doc,
                                                     std::vector<std::uint32_t> indices,
                                                     QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_indices(std::move(indices)) {
    const QFont font = ScreenFont(doc.GetFont());
    viewport()->setFont(font);
    const QFontMetrics metrics(font);
    m_charWidth = std::max(1, metrics.averageCharWidth());
    m_rowHeight = std::max(1, metrics.height() + metrics.leading());
    m_ascent = metrics.ascent();
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(false);
    // Room for the start of a line and a few rows under the title band.
    setMinimumSize(40 * m_charWidth, 8 * m_rowHeight);
    UpdateScrollRanges();
}

int CLignesCorrespondantesWnd::VerticalPage() const {
    return std::max(0, (viewport()->height() - m_rowHeight - 3) / m_rowHeight);
}

void CLignesCorrespondantesWnd::UpdateScrollRanges() {
    // Ranges in characters and rows; a position never goes past range - page.
    const int hrange = LineWidth(m_doc);
    const int hpage = std::max(1, viewport()->width() / m_charWidth);
    const int vrange = std::max(0, static_cast<int>(m_indices.size()) - 1);
    const int vpage = std::max(1, VerticalPage());
    horizontalScrollBar()->setRange(0, std::max(0, hrange - hpage + 1));
    horizontalScrollBar()->setPageStep(std::max(1, hpage * 3 / 4));
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(0, std::max(0, vrange - vpage + 1));
    verticalScrollBar()->setPageStep(std::max(1, vpage * 3 / 4));
    verticalScrollBar()->setSingleStep(1);
    viewport()->update();
}

void CLignesCorrespondantesWnd::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollRanges();
}

void CLignesCorrespondantesWnd::scrollContentsBy(int, int) {
    viewport()->update();
}

void CLignesCorrespondantesWnd::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(viewport()->font());
    const QRect update = event->rect();
    const int x = -(horizontalScrollBar()->value() * m_charWidth);
    const int band = m_rowHeight + 2;

    painter.fillRect(QRect(0, 0, viewport()->width(), band), kTitleBand);
    painter.setPen(Qt::white);
    painter.drawText(x, 2 + m_ascent, FromStd(FormatHeader(m_doc)));

    // The rows below the band; what no row covers stays white.
    painter.setClipRect(QRect(0, band, viewport()->width(), viewport()->height() - band));
    painter.fillRect(update, Qt::white);
    const int size = static_cast<int>(m_indices.size());
    const int vpos = verticalScrollBar()->value();
    // Position j is drawn at y = (size - vpos - j) x row height + 5.
    const int newest = std::min(size - 1, size - vpos - 1);
    const int oldest = std::max(0, size - vpos - (update.bottom() - 5) / m_rowHeight - 1);
    for (int j = newest; j >= oldest; --j) {
        const int y = (size - vpos - j) * m_rowHeight + 5;
        if (y > update.bottom() || y + m_rowHeight + 1 < update.top())
            continue;
        const int style = j % 2;
        painter.fillRect(QRect(update.left(), y, update.width() + 1, m_rowHeight + 1),
                         FromColorRef(m_doc.GetColor(true, style)));
        painter.setPen(FromColorRef(m_doc.GetColor(false, style)));
        FormatLine(m_doc, m_rowText, static_cast<int>(m_indices[j]));
        painter.drawText(x, y + m_ascent, FromStd(m_rowText));
    }
}

void CLignesCorrespondantesWnd::keyPressEvent(QKeyEvent* event) {
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const int vpage = std::max(1, VerticalPage() * 3 / 4);
    const int hpage = std::max(1, viewport()->width() / m_charWidth * 3 / 4);
    // The digits 8, 2, 4 and 6 (main keyboard and keypad) stand for the arrows.
    int key = event->key();
    switch (key) {
        case Qt::Key_8:
            key = Qt::Key_Up;
            break;
        case Qt::Key_2:
            key = Qt::Key_Down;
            break;
        case Qt::Key_4:
            key = Qt::Key_Left;
            break;
        case Qt::Key_6:
            key = Qt::Key_Right;
            break;
        default:
            break;
    }
    switch (key) {
        case Qt::Key_PageUp:
            Step(v, -vpage);
            break;
        case Qt::Key_PageDown:
            Step(v, vpage);
            break;
        case Qt::Key_Up:
            Step(v, -1);
            break;
        case Qt::Key_Down:
            Step(v, 1);
            break;
        case Qt::Key_Left:
            Step(h, ctrl ? -hpage : -1);
            break;
        case Qt::Key_Right:
            Step(h, ctrl ? hpage : 1);
            break;
        case Qt::Key_Home:
            (ctrl ? v : h)->setValue(0);
            break;
        case Qt::Key_End:
            (ctrl ? v : h)->setValue((ctrl ? v : h)->maximum());
            break;
        default:
            QAbstractScrollArea::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace belvane
