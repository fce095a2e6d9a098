#include "gui/dialogs/lines/CReleveImportDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "gui/dialogs/lines/CLigneDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/WindowSizing.h"
#include "reports/SumFormat.h"
#include "statements/StatementImport.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace belvane {

namespace {

constexpr int kDialog = 260;
constexpr int kSummary = 1300;
constexpr int kDate = 1301;
constexpr int kTable = 1302;
constexpr int kLine = 1303;
constexpr int kEdit = 1304;
constexpr int kAfter = 1305;
constexpr int kClosing = 1306;
constexpr int kDifference = 1307;

enum Column { kColDate, kColAmount, kColName, kColOutcome, kColLine, kColumns };

QString Filled(int id, std::initializer_list<std::string_view> args) {
    return FromStd(FillPlaceholders(ToStd(CResources::Str(id)), args));
}

// A register line as the table and the choice of lines name it: its number,
// issue date and payee.
QString RegisterLineText(const CBelvaneDoc& doc, int index) {
    const CLigne& l = doc.GetLine(index);
    return Filled(
        ids::kImportLineText,
        {std::to_string(index + 1), doc.Format().FormatDate(l.m_dateEmission), l.m_beneficiaire});
}

}  // namespace

CReleveImportDlg::CReleveImportDlg(CBelvaneDoc& doc, StatementImport& import, const QString& file,
                                   DayDate date, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_import(import) {
    dlg::SetTitle(this, kDialog);
    const Statement& s = import.GetStatement();
    auto* summary = dlg::Named(new QLabel(this), kSummary);
    summary->setWordWrap(true);
    summary->setText(Filled(ids::kImportSummary,
                            {ToStd(file), FormatName(s.format), doc.Format().FormatDate(s.from),
                             doc.Format().FormatDate(s.to), std::to_string(import.Count()),
                             std::to_string(import.TickedCount(MatchOutcome::Matched)),
                             std::to_string(import.TickedCount(MatchOutcome::Already)),
                             std::to_string(import.TickedCount(MatchOutcome::New))}));

    m_dateField = new CDateEdit(doc.Format(), true, kDate, this);
    m_dateField->SetValue(date);
    m_dateField->setMaximumWidth(m_dateField->fontMetrics().horizontalAdvance(u'0') * 12);
    m_table = dlg::Named(new QTableWidget(import.Count(), kColumns, this), kTable);
    m_table->setHorizontalHeaderLabels(dlg::Entries(kDialog, kTable));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_line = dlg::Named(new QComboBox(this), kLine);
    m_edit = dlg::Button(this, kDialog, kEdit);
    m_after = dlg::Named(new QLabel(this), kAfter);
    m_closing = dlg::Named(new QLabel(this), kClosing);
    m_difference = dlg::Named(new QLabel(this), kDifference);
    m_difference->setStyleSheet(QStringLiteral("color: red"));

    m_filling = true;
    for (int row = 0; row < import.Count(); ++row)
        FillRow(row);
    m_filling = false;
    m_table->resizeColumnsToContents();

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(dlg::Label(this, kDialog, kDate, m_dateField));
    dateRow->addWidget(m_dateField);
    dateRow->addStretch();
    auto* lineRow = new QHBoxLayout;
    lineRow->addWidget(dlg::Label(this, kDialog, kLine, m_line));
    lineRow->addWidget(m_line, 1);
    lineRow->addWidget(m_edit);
    auto* balances = new QHBoxLayout;
    for (QLabel* l : {m_after, m_closing, m_difference})
        balances->addWidget(l);
    balances->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addLayout(dateRow);
    layout->addWidget(dlg::Label(this, kDialog, kTable, m_table));
    layout->addWidget(m_table, 1);
    layout->addLayout(lineRow);
    layout->addLayout(balances);
    auto* buttons = dlg::OkCancelRow(this, kDialog);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    buttons->addWidget(help);
    layout->addLayout(buttons);

    connect(m_table, &QTableWidget::itemSelectionChanged, this, &CReleveImportDlg::OnRowSelected);
    connect(m_table, &QTableWidget::cellChanged, this, &CReleveImportDlg::OnItemChanged);
    connect(m_line, &QComboBox::activated, this, &CReleveImportDlg::OnLineChosen);
    connect(m_edit, &QPushButton::clicked, this, &CReleveImportDlg::EditNewLine);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-260")); });

    ShowBalances();
    if (import.Count() > 0)
        m_table->selectRow(0);
    OnRowSelected();
    // As large as the table wants, within the screen.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const int width = m_table->horizontalHeader()->length() + 60;
    const int height = sizeHint().height() - m_table->sizeHint().height() +
                       m_table->verticalHeader()->length() + m_table->horizontalHeader()->height() +
                       8;
    dlg::SizeWindow(this, kDialog,
                    QSize(std::clamp(width, 640, screen.width() * 9 / 10),
                          std::clamp(height, 400, screen.height() * 8 / 10)));
    m_table->setFocus(Qt::OtherFocusReason);
}

void CReleveImportDlg::FillRow(int row) {
    const StatementEntry& e = m_import.Entry(row);
    const MatchOutcome outcome = m_import.Outcome(row);
    const auto item = [&](int column, const QString& text) {
        QTableWidgetItem* it = m_table->item(row, column);
        if (it == nullptr) {
            it = new QTableWidgetItem;
            m_table->setItem(row, column, it);
        }
        it->setText(text);
        return it;
    };
    QTableWidgetItem* date = item(kColDate, FromStd(m_doc.Format().FormatDate(e.date)));
    if (outcome == MatchOutcome::Already) {
        date->setFlags(date->flags() & ~Qt::ItemIsUserCheckable);
    } else {
        date->setFlags(date->flags() | Qt::ItemIsUserCheckable);
        date->setCheckState(m_import.IsTicked(row) ? Qt::Checked : Qt::Unchecked);
    }
    item(kColAmount, FromStd(m_doc.Format().FormatAmount(e.amount, true, 0)))
        ->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item(kColName, FromStd(e.name));
    item(kColOutcome, CResources::Str(ids::kImportOutcomeFirst + static_cast<int>(outcome)));
    QString line;
    if (outcome == MatchOutcome::New) {
        const CLigne& p = m_import.Proposed(row);
        line = Filled(ids::kImportNewLineText, {p.m_beneficiaire, p.m_rubrique});
    } else {
        line = RegisterLineText(m_doc, m_import.Line(row));
    }
    item(kColLine, line);
    // What will not be done shows greyed.
    const bool done = m_import.IsTicked(row);
    for (int c = kColAmount; c < kColumns; ++c)
        m_table->item(row, c)->setForeground(done ? palette().text() : palette().mid());
}

void CReleveImportDlg::ShowBalances() {
    const std::string& decimal = m_doc.Format().GetDecimalSymbol();
    m_after->setText(
        Filled(ids::kImportBalanceAfter, {FormatSum(m_import.BalanceAfter(), true, 0, decimal)}));
    const std::optional<Sum> closing = m_import.GetStatement().closingBalance;
    m_closing->setText(
        closing ? Filled(ids::kImportClosingBalance, {FormatSum(*closing, true, 0, decimal)})
                : CResources::Str(ids::kImportNoClosingBalance));
    const std::optional<Sum> difference = m_import.Difference();
    m_difference->setVisible(difference && *difference != 0);
    if (difference)
        m_difference->setText(
            Filled(ids::kImportDifference, {FormatSum(*difference, true, 0, decimal)}));
}

void CReleveImportDlg::OnRowSelected() {
    const int row = m_table->currentRow();
    const bool valid = row >= 0 && row < m_import.Count();
    const bool ticked = valid && m_import.IsTicked(row);
    const MatchOutcome outcome = valid ? m_import.Outcome(row) : MatchOutcome::Already;
    m_line->clear();
    m_candidates.clear();
    if (outcome == MatchOutcome::Matched) {
        m_candidates = m_import.Candidates(row);
        for (const int index : m_candidates)
            m_line->addItem(RegisterLineText(m_doc, index));
        const auto it = std::find(m_candidates.begin(), m_candidates.end(), m_import.Line(row));
        m_line->setCurrentIndex(static_cast<int>(it - m_candidates.begin()));
    }
    m_line->setEnabled(outcome == MatchOutcome::Matched && ticked);
    m_edit->setEnabled(outcome == MatchOutcome::New && ticked);
}

void CReleveImportDlg::OnItemChanged(int row, int column) {
    if (m_filling || column != kColDate)
        return;
    const bool checked = m_table->item(row, kColDate)->checkState() == Qt::Checked;
    m_import.SetTicked(row, checked);
    m_filling = true;
    FillRow(row);  // a match whose line was taken meanwhile stays unticked
    m_filling = false;
    ShowBalances();
    if (row == m_table->currentRow())
        OnRowSelected();
}

void CReleveImportDlg::OnLineChosen(int index) {
    const int row = m_table->currentRow();
    if (row < 0 || index < 0 || index >= static_cast<int>(m_candidates.size()))
        return;
    m_import.SetLine(row, m_candidates[index]);
    m_filling = true;
    FillRow(row);
    m_filling = false;
    ShowBalances();
}

void CReleveImportDlg::EditNewLine() {
    const int row = m_table->currentRow();
    if (row < 0 || m_import.Outcome(row) != MatchOutcome::New)
        return;
    CLigne line = m_import.Proposed(row);
    // Numbered as it will be once added.
    int number = 0;
    while (number < m_doc.GetLineCount() &&
           m_doc.GetLine(number).m_dateEmission <= line.m_dateEmission)
        ++number;
    CLigneDlg dialog(m_doc, this);
    if (dialog.Run(line, CLigneDlg::kCorrection, number) != QDialog::Accepted)
        return;
    m_import.SetProposed(row, line);
    m_filling = true;
    FillRow(row);
    m_filling = false;
    ShowBalances();
}

void CReleveImportDlg::accept() {
    const DayDate date = m_dateField->Rewrite();
    if (date == 0) {
        dlg::Refuse(this, ids::kMsgStatementDateInvalid);
        dlg::FocusField(m_dateField);
        return;
    }
    m_date = date;
    QDialog::accept();
}

}  // namespace belvane
