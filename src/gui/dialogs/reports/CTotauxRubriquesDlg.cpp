#include "gui/dialogs/reports/CTotauxRubriquesDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/reports/CLignesCorrespondantesDlg.h"
#include "gui/dialogs/reports/IReportPrinter.h"
#include "gui/dialogs/reports/ReportMenus.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "gui/support/WindowSizing.h"
#include "reports/PrintData.h"
#include "reports/ReportTitles.h"
#include "reports/SumFormat.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace belvane {

namespace {

constexpr int kDialog = 189;
constexpr int kMenu = 190;
constexpr int kContextMenu = 219;
constexpr int kFirstButton = 400;
constexpr int kNameChars = 15;
// The fewest cells a usable window shows.
constexpr int kMinColumns = 3;
constexpr int kMinRows = 5;

QString ButtonText(const std::string& name, Sum total, const ValueFormat& format) {
    // A "&" in a name is shown, not taken as a mnemonic.
    return FromStd(name).left(kNameChars).replace(u'&', QStringLiteral("&&")) + u'\n' +
           FromStd(FormatSum(total, true, kNameChars, format.GetDecimalSymbol()));
}

}  // namespace

CTotauxRubriquesDlg::CTotauxRubriquesDlg(const CBelvaneDoc& doc, DayDate start, DayDate end,
                                         IReportPrinter* printer, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_start(start), m_end(end), m_printer(printer) {
    dlg::SetTitle(this, kDialog);
    setObjectName(QString::number(kDialog));
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    QFont courier = font();
    courier.setFamily(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::TypeWriter);
    setFont(courier);

    // One cell: 18 average characters wide, three lines high, in the window's font.
    const QFontMetrics metrics = fontMetrics();
    m_cellWidth = std::max(1, 18 * metrics.averageCharWidth());
    m_cellHeight = std::max(1, 3 * (metrics.height() + metrics.leading()));

    m_grid = new QWidget(this);
    m_grid->setMinimumSize(kMinColumns * m_cellWidth, kMinRows * (m_cellHeight + 1));
    m_hbar = new QScrollBar(Qt::Horizontal, this);
    m_vbar = new QScrollBar(Qt::Vertical, this);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(reportmenus::MakeMenuBar(this, kMenu, [this](int c) { RunCommand(c); }));
    layout->addWidget(m_grid, 0, 0);
    layout->addWidget(m_vbar, 0, 1);
    layout->addWidget(m_hbar, 1, 0);

    m_totals = ComputeCategoryTotals(doc, start, end);
    int number = kFirstButton;
    const auto make = [&](const std::string& name, Sum total, int column, int row) {
        auto* button = new QPushButton(ButtonText(name, total, doc.Format()), m_grid);
        button->setObjectName(QString::number(number++));
        button->setStyleSheet(QStringLiteral("text-align: left; padding-left: 4px"));
        button->setGeometry(column * m_cellWidth, row * (m_cellHeight + 1), m_cellWidth,
                            m_cellHeight);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, button] {
            button->setFocus();
            ShowMatchingLines();
        });
        return button;
    };
    for (int c = 0; c < RowCount(); ++c) {
        const CategoryTotal& t = m_totals[c];
        m_rowFirst.push_back(static_cast<int>(m_buttons.size()));
        QPushButton* own = make(t.name, t.total, 0, c);
        own->setFocusPolicy(Qt::StrongFocus);
        m_buttons.push_back({own, c, -1});
        for (std::size_t k = 0; k < t.subTotals.size(); ++k) {
            // Subcategory totals are reached by a click, not by Tab.
            QPushButton* sub = make(t.subNames[k], t.subTotals[k], static_cast<int>(k) + 1, c);
            sub->setFocusPolicy(Qt::ClickFocus);
            m_buttons.push_back({sub, c, static_cast<int>(k)});
        }
        m_columns = std::max(m_columns, static_cast<int>(t.subTotals.size()) + 1);
    }

    connect(m_hbar, &QScrollBar::valueChanged, this, [this](int v) { ScrollTo(v, m_row); });
    connect(m_vbar, &QScrollBar::valueChanged, this, [this](int v) { ScrollTo(m_column, v); });
    dlg::SizeWindow(this, kDialog);
}

void CTotauxRubriquesDlg::UpdateScrollRanges() {
    const int hpage = m_grid->width() / m_cellWidth;
    const int vpage = m_grid->height() / (m_cellHeight + 1);
    // A position stays within range - page once the window has its size.
    const int hmax = std::max(0, m_columns - hpage);
    const int vmax = std::max(0, RowCount() - vpage);
    m_hbar->setPageStep(std::max(1, hpage - 1));
    m_vbar->setPageStep(std::max(1, vpage - 1));
    m_hbar->setRange(0, hmax);
    m_vbar->setRange(0, vmax);
}

void CTotauxRubriquesDlg::ScrollTo(int column, int row) {
    if (column == m_column && row == m_row)
        return;
    // The buttons move with the contents.
    m_grid->scroll((m_column - column) * m_cellWidth, (m_row - row) * (m_cellHeight + 1));
    m_column = column;
    m_row = row;
}

void CTotauxRubriquesDlg::FocusCell(int column, int row) {
    m_buttons[m_rowFirst[row] + column].button->setFocus(Qt::OtherFocusReason);
    const int hpage = std::max(1, m_grid->width() / m_cellWidth);
    const int vpage = std::max(1, m_grid->height() / (m_cellHeight + 1));
    if (column < m_column || column >= m_column + hpage)
        m_hbar->setValue(column < m_column ? column : column - hpage + 1);
    if (row < m_row || row >= m_row + vpage)
        m_vbar->setValue(row < m_row ? row : row - vpage + 1);
}

bool CTotauxRubriquesDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress ||
        static_cast<QKeyEvent*>(event)->modifiers() & ~Qt::KeypadModifier)
        return QDialog::eventFilter(watched, event);
    const auto at = std::find_if(m_buttons.begin(), m_buttons.end(),
                                 [watched](const Total& t) { return t.button == watched; });
    if (at == m_buttons.end())
        return QDialog::eventFilter(watched, event);
    const int row = at->category;
    const int column = at->subcategory + 1;
    // The last column of a row: rows are as long as their category has subcategories.
    const auto last = [this](int r) { return static_cast<int>(m_totals[r].subTotals.size()); };
    switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Left:
            FocusCell(std::max(0, column - 1), row);
            return true;
        case Qt::Key_Right:
            FocusCell(std::min(last(row), column + 1), row);
            return true;
        case Qt::Key_Up:
            if (row > 0)
                FocusCell(std::min(last(row - 1), column), row - 1);
            return true;
        case Qt::Key_Down:
            if (row + 1 < RowCount())
                FocusCell(std::min(last(row + 1), column), row + 1);
            return true;
        default:
            return QDialog::eventFilter(watched, event);
    }
}

void CTotauxRubriquesDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    UpdateScrollRanges();
}

void CTotauxRubriquesDlg::ChosenTotal(std::string& category, std::string& subcategory) const {
    category.clear();
    subcategory.clear();
    // The focus child is kept while the window is not active, unlike hasFocus().
    const QWidget* focused = focusWidget();
    for (const Total& t : m_buttons) {
        if (t.button != focused)
            continue;
        category = m_totals[t.category].name;
        if (t.subcategory >= 0)
            subcategory = m_totals[t.category].subNames[t.subcategory];
        return;
    }
}

std::vector<std::uint32_t> CTotauxRubriquesDlg::ChosenLines() const {
    std::string category, subcategory;
    ChosenTotal(category, subcategory);
    return MatchCategoryLines(m_doc, category, subcategory, m_start, m_end);
}

void CTotauxRubriquesDlg::ShowMatchingLines() {
    std::string category, subcategory;
    ChosenTotal(category, subcategory);
    std::vector<std::uint32_t> lines =
        MatchCategoryLines(m_doc, category, subcategory, m_start, m_end);
    if (lines.empty()) {
        dlg::Refuse(this, ids::kMsgNoMatchingLine);
        return;
    }
    const MatchTitles titles = CategoryMatchTitles(m_doc, category, subcategory, m_start, m_end);
    CLignesCorrespondantesDlg list(m_doc, std::move(lines), titles.window, titles.print, m_printer,
                                   this);
    RunModal(list);
}

void CTotauxRubriquesDlg::Print() {
    if (m_printer) {
        CategoryTotalsPrint data;
        data.printTitle = TotalsPrintTitle(m_doc, m_start, m_end);
        for (const CategoryTotal& t : m_totals) {
            CategoryTotalRow row{t.name, t.total, {}};
            for (std::size_t k = 0; k < t.subNames.size(); ++k)
                row.subcategories.push_back({t.subNames[k], t.subTotals[k]});
            data.rows.push_back(std::move(row));
        }
        m_printer->PrintCategoryTotals(this, data);
    }
    activateWindow();
}

void CTotauxRubriquesDlg::RunCommand(int command) {
    reportmenus::RunCommand(
        command, [this] { ShowMatchingLines(); }, [this] { Print(); }, [this] { reject(); });
}

void CTotauxRubriquesDlg::contextMenuEvent(QContextMenuEvent* event) {
    // The total under the pointer is clicked first: it takes the focus and
    // lists its lines, as a left click would.
    const QPoint inGrid = m_grid->mapFrom(this, event->pos());
    if (auto* button = qobject_cast<QPushButton*>(m_grid->childAt(inGrid)))
        button->click();
    QMenu menu(this);
    reportmenus::FillContextMenu(&menu, kContextMenu, [this](int c) { RunCommand(c); });
    menu.exec(event->globalPos());
}

}  // namespace belvane
