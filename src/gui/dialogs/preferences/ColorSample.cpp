#include "gui/dialogs/preferences/ColorSample.h"

#include <QPainter>

namespace belvane {

ColorSample::ColorSample(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setMinimumHeight(32);
    setFocusPolicy(Qt::NoFocus);
}

void ColorSample::SetColors(const QColor& text, const QColor& background) {
    m_text = text;
    m_background = background;
    update();
}

void ColorSample::SetSampleFont(const QFont& font) {
    m_font = font;
    update();
}

void ColorSample::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    painter.setPen(m_text);
    painter.setFont(m_font);
    painter.drawText(rect(), Qt::AlignCenter, text());
}

}  // namespace belvane
