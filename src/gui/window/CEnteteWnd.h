#pragma once

#include <QFont>
#include <QWidget>

namespace belvane {

class CBelvaneDoc;

// The band of column titles above the lines; it follows the lines area's
// horizontal position.
class CEnteteWnd : public QWidget {
    Q_OBJECT

public:
    CEnteteWnd(const CBelvaneDoc& doc, QWidget* parent);

    void SetMetrics(const QFont& font, int charWidth);
    int HorizontalPosition() const { return m_hpos; }
    // Sets the position without moving what is drawn (a full repaint follows).
    void SetHorizontalPosition(int hpos) { m_hpos = hpos; }
    // Moves the drawn titles to the new position; only the uncovered strip is painted again.
    void ScrollTo(int hpos);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CBelvaneDoc& m_doc;
    QFont m_font;
    int m_ascent = 8;
    int m_charWidth = 8;
    int m_hpos = 0;
};

}  // namespace belvane
