#include "gui/dialogs/lines/CColonnesCsvDlg.h"

#include "core/StringIds.h"
#include "core/StringTable.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/WindowSizing.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {

namespace {

constexpr int kDialog = 261;
constexpr int kDelimiter = 1321;
constexpr int kSkip = 1322;
constexpr int kDate = 1323;
constexpr int kOrder = 1324;
constexpr int kFirstColumn = 1325;  // amount, debit, credit, label, memo, cheque follow
constexpr int kPreview = 1331;

constexpr char kDelimiters[] = {';', '\t', ','};
constexpr int kPreviewRows = 12;

}  // namespace

CColonnesCsvDlg::CColonnesCsvDlg(std::string text, const QString& file, const CsvLayout& layout,
                                 QWidget* parent)
    : QDialog(parent), m_text(std::move(text)), m_layout(layout) {
    dlg::SetTitle(this, kDialog);
    auto* intro =
        new QLabel(FillPlaceholders(CResources::Str(ids::kCsvColumnsIntro), {file}), this);
    intro->setWordWrap(true);
    m_delimiter = dlg::Named(new QComboBox(this), kDelimiter);
    m_delimiter->addItems(dlg::Entries(kDialog, kDelimiter));
    m_delimiter->setCurrentIndex(
        static_cast<int>(
            std::find(std::begin(kDelimiters), std::end(kDelimiters), layout.delimiter) -
            std::begin(kDelimiters)) %
        3);
    m_skip = dlg::Named(new QSpinBox(this), kSkip);
    m_skip->setRange(0, 99);
    m_skip->setValue(layout.skip);
    m_order = dlg::Named(new QComboBox(this), kOrder);
    m_order->addItems(dlg::Entries(kDialog, kOrder));
    m_order->setCurrentIndex(layout.dateOrder == DateOrder::MonthFirst ? 1 : 0);
    auto* form = new QFormLayout;
    form->addRow(dlg::Label(this, kDialog, kDelimiter, m_delimiter), m_delimiter);
    form->addRow(dlg::Label(this, kDialog, kSkip, m_skip), m_skip);
    for (int i = 0; i < 7; ++i) {
        const int control = i == 0 ? kDate : kFirstColumn + i - 1;
        m_columns[i] = dlg::Named(new QComboBox(this), control);
        form->addRow(dlg::Label(this, kDialog, control, m_columns[i]), m_columns[i]);
        if (i == 0)
            form->addRow(dlg::Label(this, kDialog, kOrder, m_order), m_order);
    }
    m_preview = dlg::Named(new QTableWidget(this), kPreview);
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->verticalHeader()->setDefaultSectionSize(m_preview->fontMetrics().height() + 6);
    auto* layoutBox = new QVBoxLayout(this);
    layoutBox->addWidget(intro);
    layoutBox->addLayout(form);
    layoutBox->addWidget(dlg::Label(this, kDialog, kPreview, m_preview));
    layoutBox->addWidget(m_preview, 1);
    layoutBox->addLayout(dlg::OkCancelRow(this, kDialog));

    ShowRows();
    const int chosen[7] = {layout.date, layout.amount, layout.debit, layout.credit,
                           layout.name, layout.memo,   layout.cheque};
    for (int i = 0; i < 7; ++i)
        m_columns[i]->setCurrentIndex(std::clamp(chosen[i] + 1, 0, m_columns[i]->count() - 1));
    connect(m_delimiter, &QComboBox::currentIndexChanged, this, &CColonnesCsvDlg::ShowRows);
    connect(m_skip, &QSpinBox::valueChanged, this, &CColonnesCsvDlg::ShowRows);
    dlg::SizeWindow(this, kDialog, QSize(std::max(sizeHint().width(), 560), sizeHint().height()));
}

// The first rows split by the delimiter chosen, and the columns offered.
void CColonnesCsvDlg::ShowRows() {
    const char delimiter = kDelimiters[std::clamp(m_delimiter->currentIndex(), 0, 2)];
    const auto rows = CsvRows(m_text, delimiter, kPreviewRows + m_skip->value());
    std::size_t width = 0;
    for (const auto& r : rows)
        width = std::max(width, r.size());
    m_preview->clear();
    m_preview->setRowCount(static_cast<int>(rows.size()));
    m_preview->setColumnCount(static_cast<int>(width));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            m_preview->setItem(static_cast<int>(r), static_cast<int>(c),
                               new QTableWidgetItem(FromStd(rows[r][c])));
    // Each column named by its number and its text in the last row skipped
    // (the titles, usually), or in the first row.
    const std::size_t sample = m_skip->value() > 0 ? std::size_t(m_skip->value() - 1) : 0;
    for (QComboBox* combo : m_columns) {
        const int current = combo->currentIndex();
        combo->clear();
        combo->addItem(CResources::Str(ids::kCsvNoColumn));
        for (std::size_t c = 0; c < width; ++c) {
            const std::string title =
                sample < rows.size() && c < rows[sample].size() ? rows[sample][c] : std::string();
            combo->addItem(FromStd(FillPlaceholders(ToStd(CResources::Str(ids::kCsvColumnText)),
                                                    {std::to_string(c + 1), title})));
        }
        combo->setCurrentIndex(std::clamp(current, 0, combo->count() - 1));
    }
}

CsvLayout CColonnesCsvDlg::Chosen() const {
    CsvLayout l;
    l.delimiter = kDelimiters[std::clamp(m_delimiter->currentIndex(), 0, 2)];
    l.skip = m_skip->value();
    int* fields[7] = {&l.date, &l.amount, &l.debit, &l.credit, &l.name, &l.memo, &l.cheque};
    for (int i = 0; i < 7; ++i)
        *fields[i] = m_columns[i]->currentIndex() - 1;
    l.dateOrder = m_order->currentIndex() == 1 ? DateOrder::MonthFirst : DateOrder::DayFirst;
    return l;
}

void CColonnesCsvDlg::accept() {
    const CsvLayout l = Chosen();
    if (l.date < 0 || !l.HasAmount()) {
        dlg::Refuse(this, ids::kMsgCsvNeedsColumns);
        dlg::FocusField(l.date < 0 ? m_columns[0] : m_columns[1]);
        return;
    }
    m_layout = l;
    QDialog::accept();
}

}  // namespace belvane
