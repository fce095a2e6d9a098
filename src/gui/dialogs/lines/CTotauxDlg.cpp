#include "gui/dialogs/lines/CTotauxDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/DialogSupport.h"
#include "reports/SumFormat.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 188;
constexpr int kFrom = 505;
constexpr int kTo = 506;
constexpr int kCompute = 1130;
constexpr int kAvailable = 604;
constexpr int kReal = 217;
constexpr int kLastStatement = 104;
constexpr int kClose = 2;
constexpr int kByCategory = 501;

}  // namespace

CTotauxDlg::CTotauxDlg(const CBelvaneDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    dlg::SetTitle(this, kDialog);

    m_from = new CDateEdit(doc.Format(), true, kFrom, this);
    m_to = new CDateEdit(doc.Format(), true, kTo, this);
    QPushButton* compute = dlg::Button(this, kDialog, kCompute);
    compute->setDefault(true);
    auto* range = new QHBoxLayout;
    range->addWidget(dlg::Label(this, kDialog, kFrom, m_from));
    range->addWidget(m_from);
    range->addWidget(dlg::Label(this, kDialog, kTo, m_to));
    range->addWidget(m_to);
    range->addWidget(compute);

    auto* results = new QGridLayout;
    int row = 0;
    for (auto [field, control] : {std::pair{&m_available, kAvailable}, std::pair{&m_real, kReal},
                                  std::pair{&m_lastStatement, kLastStatement}}) {
        QLineEdit* edit = dlg::Named(new QLineEdit(this), control);
        edit->setReadOnly(true);
        edit->setAlignment(Qt::AlignRight);
        *field = edit;
        results->addWidget(dlg::Label(this, kDialog, control, edit), row, 0);
        results->addWidget(edit, row, 1);
        ++row;
    }

    QPushButton* close = dlg::Button(this, kDialog, kClose);
    m_byCategory = dlg::Button(this, kDialog, kByCategory);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_byCategory);
    buttons->addStretch();
    buttons->addWidget(close);
    buttons->addWidget(help);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addLayout(results);
    layout->addLayout(buttons);

    connect(compute, &QPushButton::clicked, this, &CTotauxDlg::Compute);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_byCategory, &QPushButton::clicked, this, [this] {
        if (const auto range = Range())
            emit byCategoryRequested(range->first,
                                     range->second != 0 ? range->second : kOpenEndDate);
    });
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-188")); });
    // The totals by category need categories to total.
    m_byCategory->setEnabled(doc.GetRubriqueCount() > 0);

    Compute();
}

std::optional<std::pair<DayDate, DayDate>> CTotauxDlg::Range() {
    const std::optional<DayDate> from = m_from->Check();
    if (!from)
        return std::nullopt;
    const std::optional<DayDate> to = m_to->Check();
    if (!to)
        return std::nullopt;
    if (*from != 0 && *to != 0 && *from > *to) {
        dlg::Refuse(this, ids::kMsgRangeReversed);
        dlg::FocusField(m_from);
        return std::nullopt;
    }
    return std::pair(*from, *to);
}

void CTotauxDlg::Compute() {
    const auto range = Range();
    if (!range)
        return;
    const auto [from, to] = *range;
    m_shown = ComputeBalances(m_doc, from, to, m_doc.Format().Today());
    const auto show = [this](QLineEdit* edit, Sum sum) {
        edit->setText(FromStd(FormatSum(sum, true, 0, m_doc.Format().GetDecimalSymbol())));
    };
    show(m_available, m_shown.available);
    show(m_real, m_shown.real);
    show(m_lastStatement, m_shown.lastStatement);
}

}  // namespace belvane
