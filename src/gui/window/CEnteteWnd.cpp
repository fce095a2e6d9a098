#include "gui/window/CEnteteWnd.h"
#include "core/LineText.h"
#include "gui/paint/QtText.h"

#include "core/CBelvaneDoc.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace belvane {

namespace {
const QColor kNavy(0, 0, 128);
constexpr int kTextTop = 2;
}  // namespace

CEnteteWnd::CEnteteWnd(const CBelvaneDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("CEnteteWnd"));
    // Every pixel is painted by paintEvent, which lets scroll() move pixels.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void CEnteteWnd::SetMetrics(const QFont& font, int charWidth) {
    m_font = font;
    m_ascent = QFontMetrics(font, this).ascent();
    m_charWidth = charWidth;
    update();
}

void CEnteteWnd::ScrollTo(int hpos) {
    if (hpos == m_hpos)
        return;
    const int dx = (m_hpos - hpos) * m_charWidth;
    m_hpos = hpos;
    scroll(dx, 0);
}

void CEnteteWnd::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), kNavy);
    painter.setFont(m_font);
    painter.setPen(Qt::white);
    painter.drawText(-(m_hpos * m_charWidth), kTextTop + m_ascent, FromStd(FormatHeader(m_doc)));
}

}  // namespace belvane
