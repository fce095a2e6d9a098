#include "gui/dialogs/lines/CReleveDlg.h"

#include "core/StringIds.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 168;
constexpr int kLabel = 1127;
constexpr int kDate = 1024;

}  // namespace

CReleveDlg::CReleveDlg(const ValueFormat& format, Mode mode, DayDate date, QWidget* parent)
    : QDialog(parent), m_mode(mode) {
    const bool statement = mode == kStatement;
    m_field = new CDateEdit(format, statement, kDate, this);
    QLabel* label = dlg::Label(this, kDialog, kLabel, m_field);
    label->setObjectName(QString::number(kLabel));
    auto* ok = new QPushButton(dlg::Text(kDialog, 1), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    QPushButton* cancel = dlg::Button(this, kDialog, 2);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);

    if (statement) {
        dlg::SetTitle(this, kDialog);
    } else {
        setWindowTitle(CResources::Str(ids::kTitleAnticipation));
        label->setText(CResources::Str(ids::kLabelAnticipation));
    }
    m_field->SetValue(date);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(m_field);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &CReleveDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CReleveDlg::reject);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-168")); });
    m_field->setFocus(Qt::OtherFocusReason);
    m_field->selectAll();
}

void CReleveDlg::accept() {
    const DayDate date = m_field->Rewrite();
    if (date == 0) {
        dlg::Refuse(this,
                    m_mode == kStatement ? ids::kMsgStatementDateInvalid : ids::kMsgDateInvalid);
        dlg::FocusField(m_field);
        return;
    }
    m_date = date;
    QDialog::accept();
}

}  // namespace belvane
