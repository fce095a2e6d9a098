#include "gui/window/CBelvaneView.h"

#include "core/CBelvaneDoc.h"
#include "core/LineText.h"
#include "gui/support/FontConversions.h"
#include "gui/window/CEnteteWnd.h"
#include "gui/window/CLignesWnd.h"
#include "uilogic/CommandIds.h"
#include "uilogic/SelectionLogic.h"
#include "uilogic/ViewGeometry.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <functional>
#include <optional>

namespace belvane {

namespace {

std::optional<NavKey> KeyOf(const QKeyEvent& event) {
    if (event.modifiers() & Qt::AltModifier)
        return std::nullopt;
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return NavKey::Enter;
        case Qt::Key_Space:
            return NavKey::Space;
        case Qt::Key_Up:
            return NavKey::Up;
        case Qt::Key_Down:
            return NavKey::Down;
        case Qt::Key_PageUp:
            return NavKey::PageUp;
        case Qt::Key_PageDown:
            return NavKey::PageDown;
        case Qt::Key_Home:
            return ctrl ? NavKey::CtrlHome : NavKey::Home;
        case Qt::Key_End:
            return ctrl ? NavKey::CtrlEnd : NavKey::End;
        case Qt::Key_Left:
            return ctrl ? NavKey::CtrlLeft : NavKey::Left;
        case Qt::Key_Right:
            return ctrl ? NavKey::CtrlRight : NavKey::Right;
        default:
            return std::nullopt;
    }
}

std::optional<ScrollRequest> RequestOf(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollRequest::LineBack;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollRequest::LineForward;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollRequest::PageBack;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollRequest::PageForward;
        case QAbstractSlider::SliderToMinimum:
            return ScrollRequest::ToStart;
        case QAbstractSlider::SliderToMaximum:
            return ScrollRequest::ToEnd;
        default:
            return std::nullopt;  // thumb tracking sets the position itself
    }
}

// The wheel over a scroll bar scrolls by the pane's own wheel rule.
class WheelRedirect : public QObject {
public:
    WheelRedirect(QObject* parent, std::function<void(int)> onWheel)
        : QObject(parent), m_onWheel(std::move(onWheel)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel)
            return QObject::eventFilter(watched, event);
        m_onWheel(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }

private:
    std::function<void(int)> m_onWheel;
};

}  // namespace

class CBelvaneView::Private {
public:
    Private(CBelvaneView& view, CBelvaneDoc& doc) : q(view), m_doc(doc) {}

    void Layout();
    void UpdateRanges();
    void SetHorizontal(int pos);
    void SetVertical(int pos);
    void Request(Axis axis, ScrollRequest request);
    void BarAction(Axis axis, int action);
    void Wheel(int delta);

    CBelvaneView& q;
    CBelvaneDoc& m_doc;
    CEnteteWnd* band = nullptr;
    CLignesWnd* lines = nullptr;
    QScrollBar* hbar = nullptr;
    QScrollBar* vbar = nullptr;
    QFont font;
    CPolice measuredFont;
    int rowHeight = 8;
    int charWidth = 8;
    int clientWidth = 0;
    int clientHeight = 0;
    ScrollAxis h;
    ScrollAxis v;
    int wheelStep = 3;
};

void CBelvaneView::Private::Layout() {
    const int extent = q.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &q);
    clientWidth = std::max(q.width() - extent, 0);
    clientHeight = std::max(q.height() - extent, 0);
    vbar->setGeometry(clientWidth, 0, extent, clientHeight);
    hbar->setGeometry(0, clientHeight, clientWidth, extent);
    const int bandHeight = TitleBandHeight(rowHeight);
    band->setGeometry(0, 0, clientWidth, bandHeight);
    lines->setGeometry(0, bandHeight, clientWidth, std::max(clientHeight - bandHeight, 0));
    UpdateRanges();
}

void CBelvaneView::Private::UpdateRanges() {
    h = HorizontalAxis(LineWidth(m_doc), clientWidth, charWidth, h.pos);
    v = VerticalAxis(m_doc.GetLineCount(), clientHeight, rowHeight, v.pos);
    for (auto [bar, axis] : {std::pair{hbar, h}, std::pair{vbar, v}}) {
        const QSignalBlocker blocker(bar);
        bar->setRange(0, LastPagePosition(axis));
        bar->setSingleStep(1);
        bar->setPageStep(axis.page);
        bar->setValue(axis.pos);
    }
    band->SetHorizontalPosition(h.pos);
    lines->SetPositions(h.pos, v.pos);
    lines->ClampSelection();
    band->update();
    lines->update();
}

void CBelvaneView::Private::SetHorizontal(int pos) {
    if (pos != h.pos) {
        h.pos = pos;
        band->ScrollTo(pos);
        lines->ScrollTo(pos, v.pos);
    }
    const QSignalBlocker blocker(hbar);
    hbar->setValue(pos);
}

void CBelvaneView::Private::SetVertical(int pos) {
    if (pos != v.pos) {
        v.pos = pos;
        lines->ScrollTo(h.pos, pos);
    }
    const QSignalBlocker blocker(vbar);
    vbar->setValue(pos);
}

void CBelvaneView::Private::Request(Axis axis, ScrollRequest request) {
    if (axis == Axis::Horizontal)
        SetHorizontal(RequestedPosition(h, request));
    else
        SetVertical(RequestedPosition(v, request));
}

void CBelvaneView::Private::BarAction(Axis axis, int action) {
    const std::optional<ScrollRequest> request = RequestOf(action);
    if (!request)
        return;
    // Called before the bar takes its new value: put ours in its place.
    QScrollBar* bar = axis == Axis::Horizontal ? hbar : vbar;
    bar->setSliderPosition(RequestedPosition(axis == Axis::Horizontal ? h : v, *request));
}

void CBelvaneView::Private::Wheel(int delta) {
    const WheelOutcome outcome = DecideWheel(delta, wheelStep);
    for (int i = 0; i < outcome.repeat; ++i)
        Request(Axis::Vertical, outcome.request);
}

CBelvaneView::CBelvaneView(CBelvaneDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), d(new Private(*this, doc)) {
    setFocusPolicy(Qt::StrongFocus);
    d->wheelStep = belvane::WheelStep(QApplication::wheelScrollLines());

    d->band = new CEnteteWnd(doc, this);
    d->lines = new CLignesWnd(doc, this);
    d->hbar = new QScrollBar(Qt::Horizontal, this);
    d->vbar = new QScrollBar(Qt::Vertical, this);
    d->hbar->setObjectName(QStringLiteral("hscroll"));
    d->vbar->setObjectName(QStringLiteral("vscroll"));
    auto* redirect = new WheelRedirect(this, [this](int delta) { d->Wheel(delta); });
    for (QScrollBar* bar : {d->hbar, d->vbar}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->installEventFilter(redirect);
    }

    connect(d->hbar, &QScrollBar::actionTriggered, this,
            [this](int action) { d->BarAction(Axis::Horizontal, action); });
    connect(d->vbar, &QScrollBar::actionTriggered, this,
            [this](int action) { d->BarAction(Axis::Vertical, action); });
    connect(d->hbar, &QScrollBar::valueChanged, this, [this](int pos) { d->SetHorizontal(pos); });
    connect(d->vbar, &QScrollBar::valueChanged, this, [this](int pos) { d->SetVertical(pos); });

    connect(d->lines, &CLignesWnd::statusTextChanged, this, &CBelvaneView::statusTextChanged);
    connect(d->lines, &CLignesWnd::lineSelectedChanged, this, &CBelvaneView::lineSelectedChanged);
    connect(d->lines, &CLignesWnd::contextMenuRequested, this, &CBelvaneView::contextMenuRequested);
    connect(d->lines, &CLignesWnd::correctRequested, this,
            [this] { emit commandRequested(cmd::kCorrectLine); });
    connect(d->lines, &CLignesWnd::wheelTurned, this, [this](int delta) { d->Wheel(delta); });
    connect(d->lines, &CLignesWnd::pressed, this, [this] {
        setFocus(Qt::MouseFocusReason);
        if (!IsActiveView())
            emit activated(this);
    });

    // A pane made while statement mode is on (a split) shows it at once.
    d->lines->ShowStatementMode(doc.IsStatementMode());
    doc.AddObserver(this);
    RecomputeMetrics();
}

CBelvaneView::~CBelvaneView() {
    m_doc.RemoveObserver(this);
    delete d;
}

int CBelvaneView::SelectedLine() const {
    return ClampSelection(d->lines->SelectedLine(), m_doc.GetLineCount());
}

bool CBelvaneView::IsActiveView() const {
    return d->lines->IsActive();
}

void CBelvaneView::SetActiveView(bool active) {
    d->lines->SetActive(active);
}

void CBelvaneView::SelectAndShow(int index) {
    if (index < 0 || index >= m_doc.GetLineCount())
        return;
    CLignesWnd& lines = *d->lines;
    lines.ClampSelection();
    if (lines.SelectedLine() >= 0)
        lines.ClickAt(RowTop(lines.Layout(), lines.SelectedLine()));
    lines.ClickAt(RowTop(lines.Layout(), index));
    const int pos = ShowPosition(lines.Layout(), index, lines.height());
    d->SetVertical(std::min(pos, LastPagePosition(d->v)));
}

void CBelvaneView::RecomputeMetrics() {
    d->measuredFont = m_doc.GetFont();
    d->font = ScreenFont(d->measuredFont);
    const QFontMetrics metrics(d->font, this);
    d->rowHeight = std::max(metrics.lineSpacing(), 1);
    d->charWidth = std::max(metrics.averageCharWidth(), 1);
    d->band->SetMetrics(d->font, d->charWidth);
    d->lines->SetMetrics(d->font, d->rowHeight, d->charWidth);
    d->Layout();
}

int CBelvaneView::VerticalPosition() const {
    return d->v.pos;
}
int CBelvaneView::HorizontalPosition() const {
    return d->h.pos;
}
int CBelvaneView::RowHeight() const {
    return d->rowHeight;
}
int CBelvaneView::CharWidth() const {
    return d->charWidth;
}
CLignesWnd* CBelvaneView::LinesArea() const {
    return d->lines;
}
CEnteteWnd* CBelvaneView::TitleBand() const {
    return d->band;
}
void CBelvaneView::SetWheelStep(int step) {
    d->wheelStep = step;
}

void CBelvaneView::OnRedrawAll() {
    // The preferences change the font without a reset.
    if (m_doc.GetFont() != d->measuredFont)
        RecomputeMetrics();
    else
        d->UpdateRanges();
}

void CBelvaneView::OnLineChanged(int index) {
    d->lines->InvalidateLine(index);
}

void CBelvaneView::OnStatementMode(DayDate date) {
    d->lines->ShowStatementMode(date != 0);
}

void CBelvaneView::OnResetDisplay() {
    d->h.pos = 0;
    d->v.pos = 0;
    d->lines->ResetSelection();
    RecomputeMetrics();
}

void CBelvaneView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    d->Layout();
}

void CBelvaneView::keyPressEvent(QKeyEvent* event) {
    const std::optional<NavKey> key = KeyOf(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    CLignesWnd& lines = *d->lines;
    lines.ClampSelection();
    const KeyContext context{m_doc.GetLineCount(), lines.Selection(), d->v.pos, d->rowHeight,
                             lines.height()};
    const KeyOutcome outcome = DecideKey(*key, context);
    if (outcome.toggleStatement)
        lines.ToggleStatement();
    if (outcome.clickY)
        lines.ClickAt(*outcome.clickY);
    if (outcome.scroll != ScrollRequest::None)
        d->Request(outcome.axis, outcome.scroll);
    event->accept();
}

void CBelvaneView::wheelEvent(QWheelEvent* event) {
    d->Wheel(event->angleDelta().y());
    event->accept();
}

void CBelvaneView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    emit activated(this);
}

}  // namespace belvane
