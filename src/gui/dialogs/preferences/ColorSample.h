#pragma once

#include <QColor>
#include <QFont>
#include <QPushButton>

namespace belvane {

// A line style's sample on the colour page: a button drawn as a rectangle of
// its background colour with its own caption centred in its text colour and
// the register's font.
class ColorSample : public QPushButton {
public:
    ColorSample(const QString& caption, QWidget* parent);

    void SetColors(const QColor& text, const QColor& background);
    void SetSampleFont(const QFont& font);
    QColor BackgroundColor() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_text;
    QColor m_background;
    QFont m_font;
};

}  // namespace belvane
