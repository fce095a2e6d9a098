#include "gui/dialogs/reports/CGraphiquesDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/reports/CGraphiqueWnd.h"
#include "gui/dialogs/reports/CLignesCorrespondantesDlg.h"
#include "gui/dialogs/reports/IReportPrinter.h"
#include "gui/dialogs/reports/ReportMenus.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "gui/support/WindowSizing.h"
#include "reports/PrintData.h"
#include "reports/ReportTitles.h"
#include "reports/SumFormat.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {

namespace {

constexpr int kDialog = 227;
constexpr int kFrom = 505;
constexpr int kTo = 506;
constexpr int kPeriod = 1131;
constexpr int kCategory = 1035;
constexpr int kSubcategory = 1036;
constexpr int kCompute = 1130;
constexpr int kTotalLabel = 1132;
constexpr int kTotal = 1133;  // the field after "Total:"
constexpr int kArea = 1134;
constexpr int kScroll = 1135;
constexpr int kContextMenu = 231;
// Characters a name box shows at its narrowest: the controls fit a small screen.
constexpr int kNameBoxChars = 10;

}  // namespace

CGraphiquesDlg::CGraphiquesDlg(const CBelvaneDoc& doc, IReportPrinter* printer, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_printer(printer) {
    dlg::SetTitle(this, kDialog);
    setObjectName(QString::number(kDialog));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);

    auto* controls = new QFrame(this);
    controls->setFrameShape(QFrame::StyledPanel);
    m_from = new CDateEdit(doc.Format(), true, kFrom, controls);
    m_to = new CDateEdit(doc.Format(), true, kTo, controls);
    m_period = dlg::Named(new QComboBox(controls), kPeriod);
    m_period->addItems(dlg::Entries(kDialog, kPeriod));
    m_category = dlg::Combo(controls, kCategory, dlg::kNameChars);
    m_subcategory = dlg::Combo(controls, kSubcategory, dlg::kNameChars);
    for (QComboBox* names : {m_category, m_subcategory}) {
        names->setMinimumContentsLength(kNameBoxChars);
        names->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    QPushButton* compute = dlg::Button(controls, kDialog, kCompute);
    compute->setDefault(true);
    m_total = dlg::Named(new QLineEdit(controls), kTotal);
    m_total->setReadOnly(true);
    // Room for a date, and for the largest sum.
    const int digit = fontMetrics().horizontalAdvance(u'0');
    for (QLineEdit* date : {static_cast<QLineEdit*>(m_from), static_cast<QLineEdit*>(m_to)})
        date->setMinimumWidth(digit * (dlg::kDateChars + 2));
    m_total->setMinimumWidth(digit * 16);
    // Two rows, so that the controls fit a small screen: the range and its
    // periods, then the filter, "Calculer" and the amount pointed at.
    auto* rows = new QVBoxLayout(controls);
    auto* row = new QHBoxLayout;
    row->addWidget(dlg::Label(controls, kDialog, kFrom, m_from));
    row->addWidget(m_from);
    row->addWidget(dlg::Label(controls, kDialog, kTo, m_to));
    row->addWidget(m_to);
    row->addWidget(dlg::Label(controls, kDialog, kPeriod, m_period));
    row->addWidget(m_period);
    row->addStretch();
    rows->addLayout(row);
    row = new QHBoxLayout;
    row->addWidget(dlg::Label(controls, kDialog, kCategory, m_category));
    row->addWidget(m_category, 1);
    row->addWidget(dlg::Label(controls, kDialog, kSubcategory, m_subcategory));
    row->addWidget(m_subcategory, 1);
    row->addWidget(compute);
    row->addWidget(dlg::Label(controls, kDialog, kTotalLabel, m_total));
    row->addWidget(m_total);
    rows->addLayout(row);

    m_area = dlg::Named(new CGraphiqueWnd(this), kArea);
    m_scroll = dlg::Named(new QScrollBar(Qt::Horizontal, this), kScroll);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(controls);
    layout->addWidget(m_area, 1);
    layout->addWidget(m_scroll);

    DayDate first = 0, last = 0;
    DefaultChartRange(doc, first, last);
    m_from->SetValue(first);
    m_to->SetValue(last);
    m_period->setCurrentIndex(static_cast<int>(PeriodKind::Month));
    for (int i = 0; i < doc.GetRubriqueCount(); ++i)
        m_category->addItem(FromStd(doc.GetRubrique(i).GetNom()));
    m_category->setCurrentIndex(-1);
    m_category->setEditText(QString());

    connect(compute, &QPushButton::clicked, this, &CGraphiquesDlg::Compute);
    connect(m_category->lineEdit(), &QLineEdit::editingFinished, this,
            &CGraphiquesDlg::CategoryLeft);
    connect(m_scroll, &QScrollBar::valueChanged, m_area, &CGraphiqueWnd::SetScrollPosition);
    connect(m_area, &CGraphiqueWnd::hoverChanged, this, &CGraphiquesDlg::ShowHovered);
    connect(m_area, &CGraphiqueWnd::doubleClicked, this, [this] {
        if (m_area->HoveredPeriod() >= 0)
            ShowMatchingLines();
    });
    m_area->SetChart(&m_chart);
    dlg::SizeWindow(this, kDialog);
    Compute();
}

void CGraphiquesDlg::Range(DayDate& from, DayDate& to) const {
    DefaultChartRange(m_doc, from, to);
    if (const DayDate typed = m_from->Value(); typed != 0)
        from = typed;
    if (const DayDate typed = m_to->Value(); typed != 0)
        to = typed;
}

void CGraphiquesDlg::CategoryLeft() {
    // An entry equal but for the letter case is taken as it is listed.
    if (!m_category->currentText().isEmpty())
        dlg::TakeEntryCase(m_category);
    const QString previous = m_subcategory->currentText();
    m_subcategory->clear();
    const std::string category = ToStd(m_category->currentText());
    for (int j = 0; j < m_doc.GetSousRubriqueCount(category); ++j)
        m_subcategory->addItem(FromStd(m_doc.GetSousRubriqueName(category, j)));
    m_subcategory->setCurrentIndex(-1);
    m_subcategory->setEditText(previous);
}

bool CGraphiquesDlg::DatesRead() {
    return m_from->Check() && m_to->Check();
}

void CGraphiquesDlg::Compute() {
    // A refusal leaves the previous chart.
    if (!DatesRead())
        return;
    CategoryLeft();
    // A name the register does not hold would only draw an empty chart.
    const bool category = !m_category->currentText().isEmpty();
    if (category && dlg::TakeEntryCase(m_category) < 0) {
        dlg::Refuse(this, ids::kMsgUnknownCategory);
        dlg::FocusField(m_category);
        return;
    }
    if (category && !m_subcategory->currentText().isEmpty() &&
        dlg::TakeEntryCase(m_subcategory) < 0) {
        dlg::Refuse(this, ids::kMsgUnknownSubcategory);
        dlg::FocusField(m_subcategory);
        return;
    }
    DayDate from = 0, to = 0;
    Range(from, to);
    if (to < from) {
        dlg::Refuse(this, ids::kMsgRangeReversed);
        dlg::FocusField(m_from);
        return;
    }
    m_filter = {ToStd(m_category->currentText()), ToStd(m_subcategory->currentText())};
    if (m_filter.category.empty())
        m_filter.subcategory.clear();
    m_chart =
        ComputeChart(m_doc, from, to, static_cast<PeriodKind>(m_period->currentIndex()), m_filter);
    // The amount shown was a bar of the chart drawn before.
    m_total->clear();
    UpdateScrollRange();
    m_area->update();
}

void CGraphiquesDlg::UpdateScrollRange() {
    const int count = static_cast<int>(m_chart.periods.size());
    const int page = std::max(1, m_area->PageSize());
    m_scroll->setPageStep(page);
    m_scroll->setSingleStep(1);
    m_scroll->setRange(0, std::max(0, count - page));
}

void CGraphiquesDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    UpdateScrollRange();
}

void CGraphiquesDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    UpdateScrollRange();
    if (!m_scrolledToEnd) {
        // The last periods in sight.
        m_scrolledToEnd = true;
        m_scroll->setValue(m_scroll->maximum());
    }
}

void CGraphiquesDlg::ShowHovered() {
    const int period = m_area->HoveredPeriod();
    if (period < 0) {
        m_total->clear();
        return;
    }
    const PeriodTotal& p = m_chart.periods[period];
    const Sum value = m_area->HoveredSeries() > 0 ? p.credits : -p.debits;
    m_total->setText(FromStd(FormatSum(value, true, 0, m_doc.Format().GetDecimalSymbol())));
}

std::vector<std::uint32_t> CGraphiquesDlg::HoveredLines() const {
    const int period = m_area->HoveredPeriod();
    if (period < 0)
        return {};
    return MatchBarLines(m_doc, m_chart.periods[period], m_area->HoveredSeries() > 0, m_filter);
}

void CGraphiquesDlg::ShowMatchingLines() {
    ShowBarLines(m_area->HoveredPeriod(), m_area->HoveredSeries() > 0);
}

void CGraphiquesDlg::ShowBarLines(int period, bool credits) {
    if (period < 0 || period >= static_cast<int>(m_chart.periods.size()))
        return;
    std::vector<std::uint32_t> lines =
        MatchBarLines(m_doc, m_chart.periods[period], credits, m_filter);
    if (lines.empty()) {
        dlg::Refuse(this, ids::kMsgNoMatchingLine);
        return;
    }
    const std::string title = BarMatchTitle(m_doc, m_chart.periods[period], credits, m_filter);
    CLignesCorrespondantesDlg list(m_doc, std::move(lines), title, title, m_printer, this);
    RunModal(list);
}

void CGraphiquesDlg::Print() {
    if (m_printer && DatesRead()) {
        DayDate from = 0, to = 0;
        Range(from, to);
        const ChartFilter typed{ToStd(m_category->currentText()),
                                ToStd(m_subcategory->currentText())};
        ChartsPrint data;
        data.printTitle = ChartPrintTitle(m_doc, from, to, typed);
        for (const PeriodTotal& p : m_chart.periods)
            data.periods.push_back({p.label, p.credits, p.debits});
        m_printer->PrintCharts(this, data);
    }
    activateWindow();
}

void CGraphiquesDlg::RunCommand(int command) {
    reportmenus::RunCommand(
        command, [this] { ShowBarLines(m_menuPeriod, m_menuCredits); }, [this] { Print(); },
        [this] { reject(); });
}

void CGraphiquesDlg::contextMenuEvent(QContextMenuEvent* event) {
    // A button under the pointer is clicked first, as a left click would.
    if (auto* button = qobject_cast<QAbstractButton*>(childAt(event->pos())))
        button->click();
    QMenu menu(this);
    const QHash<int, QAction*> actions =
        reportmenus::FillContextMenu(&menu, kContextMenu, [this](int c) { RunCommand(c); });
    // The bar pointed at when the menu opened, whatever is drawn meanwhile.
    m_menuPeriod = m_area->HoveredPeriod();
    m_menuCredits = m_area->HoveredSeries() > 0;
    if (QAction* show = actions.value(reportmenus::kShowLines))
        show->setEnabled(m_menuPeriod >= 0);
    menu.exec(event->globalPos());
}

}  // namespace belvane
