#include "gui/window/CLignesWnd.h"

#include "core/CBelvaneDoc.h"
#include "core/LineText.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "gui/paint/QtText.h"
#include "gui/support/CResources.h"
#include "gui/support/IMessageBox.h"
#include "gui/support/RegisterLook.h"
#include "rules/StatementToggle.h"
#include "uilogic/CommandIds.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

#include <array>

namespace belvane {

namespace {

// The light grey stock brush of the area below the oldest line.
const QColor kLightGrey(192, 192, 192);
constexpr int kStatementCursor = 172;

}  // namespace

CLignesWnd::CLignesWnd(CBelvaneDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("CLignesWnd"));
    // Every pixel is painted by paintEvent, which lets scroll() move pixels.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The pane takes the keyboard; this area only receives the mouse.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void CLignesWnd::SetMetrics(const QFont& font, int rowHeight, int charWidth) {
    m_font = font;
    m_ascent = QFontMetrics(font, this).ascent();
    m_rowHeight = rowHeight;
    m_charWidth = charWidth;
    update();
}

void CLignesWnd::SetPositions(int hpos, int vpos) {
    m_hpos = hpos;
    m_vpos = vpos;
}

void CLignesWnd::ScrollTo(int hpos, int vpos) {
    const int dx = (m_hpos - hpos) * m_charWidth;
    const int dy = (m_vpos - vpos) * m_rowHeight;
    m_hpos = hpos;
    m_vpos = vpos;
    if (dx != 0)
        scroll(dx, 0);
    // The two grey pixels above the first row stay where they are.
    if (dy != 0)
        scroll(0, dy, QRect(0, 2, width(), height() - 2));
}

RowLayout CLignesWnd::Layout() const {
    return {m_doc.GetLineCount(), m_vpos, m_rowHeight};
}

void CLignesWnd::ResetSelection() {
    m_selection = SelectionState{};
}

void CLignesWnd::ClampSelection() {
    m_selection.selected = belvane::ClampSelection(m_selection.selected, m_doc.GetLineCount());
}

void CLignesWnd::SetActive(bool active) {
    m_active = active;
    InvalidateLine(m_selection.selected);
    TellSelected(active && m_selection.selected >= 0);
}

void CLignesWnd::TellSelected(bool selected) {
    m_told = selected;
    emit lineSelectedChanged(selected);
}

void CLignesWnd::ShowSelectedStatus() {
    const CLigne& line = m_doc.GetLine(m_selection.selected);
    const QString pattern = CResources::Str(line.IsCredit() ? ids::kLineCredit : ids::kLineDebit);
    const std::string text = FillPlaceholders(
        ToStd(pattern), {std::to_string(m_selection.selected + 1),
                         m_doc.Format().FormatDate(line.m_dateValidite), line.m_beneficiaire});
    emit statusTextChanged(FromStd(text));
}

void CLignesWnd::ClickAt(int y) {
    ClampSelection();
    const int old = m_selection.selected;
    const int hit = HitLine(Layout(), y);
    switch (ApplyClick(m_selection, hit)) {
        case ClickResult::None:
            return;
        case ClickResult::Deselected:
            emit statusTextChanged(CResources::Str(ids::kIdlePrompt));
            if (m_active)
                TellSelected(false);
            break;
        case ClickResult::Selected:
            InvalidateLine(old);
            if (m_active)
                TellSelected(true);
            ShowSelectedStatus();
            break;
    }
    InvalidateLine(hit);
}

void CLignesWnd::ToggleStatement() {
    ClampSelection();
    const int index = m_selection.selected;
    if (!m_doc.IsStatementMode() || index < 0)
        return;
    switch (DecideStatementToggle(m_doc.GetLine(index).m_dateReleve, m_doc.GetStatementDate())) {
        case StatementToggle::Stamp:
            m_doc.SetLineStatement(index, m_doc.GetStatementDate());
            break;
        case StatementToggle::Unstamp:
            m_doc.SetLineStatement(index, 0);
            break;
        case StatementToggle::Refuse:
            IMessageBox::Current().Beep();
            break;
    }
}

void CLignesWnd::ShowStatementMode(bool on) {
    if (on)
        setCursor(CResources::Cursor(kStatementCursor));
    else
        setCursor(Qt::ArrowCursor);
}

void CLignesWnd::InvalidateLine(int index) {
    if (index < 0 || index >= m_doc.GetLineCount())
        return;
    // The fill's extra pixel belongs to the next row, which paints over it anyway.
    update(QRect(0, RowTop(Layout(), index), width(), m_rowHeight));
}

void CLignesWnd::paintEvent(QPaintEvent* event) {
    ClampSelection();
    if (m_active && m_told != (m_selection.selected >= 0))
        TellSelected(m_selection.selected >= 0);

    const QRect area = event->rect();
    QPainter painter(this);
    painter.fillRect(area, kLightGrey);

    const LineSpan lines = LinesInBand(Layout(), area.top(), area.bottom() + 1);
    if (lines.Empty())
        return;

    std::array<QColor, 3> text;
    std::array<QColor, 3> background;
    for (int style = 0; style < 3; ++style) {
        text[style] = FromColorRef(m_doc.GetColor(false, style));
        background[style] = FromColorRef(m_doc.GetColor(true, style));
    }
    painter.setFont(m_font);
    const int x = -(m_hpos * m_charWidth);
    const RowLayout layout = Layout();
    for (int i = lines.newest; i >= lines.oldest; --i) {
        const int y = RowTop(layout, i);
        const int style = (i == m_selection.selected && m_active) ? kStyleSelected : i % 2;
        painter.fillRect(QRect(area.left(), y, area.width() + 1, m_rowHeight + 1),
                         background[style]);
        FormatLine(m_doc, m_rowText, i);
        ++m_formattedRows;
        painter.setPen(text[style]);
        painter.drawText(x, y + m_ascent, FromStd(m_rowText));
    }
}

void CLignesWnd::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    const int y = event->position().toPoint().y();
    if (event->button() == Qt::LeftButton) {
        ClickAt(y);
    } else if (event->button() == Qt::RightButton) {
        ClampSelection();
        if (HitLine(Layout(), y) != m_selection.selected)
            ClickAt(y);
        emit contextMenuRequested(event->globalPosition().toPoint());
    }
}

void CLignesWnd::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int y = event->position().toPoint().y();
    if (HitLine(Layout(), y) < 0)
        return;
    ClampSelection();
    if (m_selection.selected < 0)
        ClickAt(y);
    if (m_selection.selected < 0)
        return;
    if (m_doc.IsStatementMode())
        ToggleStatement();
    else
        emit correctRequested();
}

void CLignesWnd::wheelEvent(QWheelEvent* event) {
    emit wheelTurned(event->angleDelta().y());
    event->accept();
}

}  // namespace belvane
