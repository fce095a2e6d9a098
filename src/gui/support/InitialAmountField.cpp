#include "gui/support/InitialAmountField.h"

#include "core/CBelvaneDoc.h"
#include "core/ValueFormat.h"
#include "gui/support/DialogSupport.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace belvane {

namespace {

constexpr int kMsgAmountTooLarge = 10111;  // "Le montant ne peut dépasser ..."

}  // namespace

InitialAmountField::InitialAmountField(const CBelvaneDoc& doc, int dialog, Amount amount,
                                       bool nouveau, QWidget* parent)
    : QWidget(parent) {
    m_amount = dlg::Edit(this, 1026, dlg::kAmountChars);
    // The sign is the radio buttons' business.
    if (!nouveau || amount != 0)
        dlg::ShowText(m_amount, FromStd(doc.FormatAmount(amount, false, 0)), dlg::kAmountChars);
    QRadioButton* credit = dlg::Radio(this, dialog, 1029);
    m_debit = dlg::Radio(this, dialog, 1030);
    (amount < 0 ? m_debit : credit)->setChecked(true);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_amount);
    row->addWidget(credit);
    row->addWidget(m_debit);
    row->addStretch();
}

bool InitialAmountField::Check() {
    if (AmountFits(ToStd(m_amount->text())))
        return true;
    dlg::Refuse(this, kMsgAmountTooLarge);
    dlg::FocusField(m_amount);
    return false;
}

Amount InitialAmountField::Value() const {
    const Amount amount = ParseAmount(ToStd(m_amount->text()));
    return m_debit->isChecked() ? -amount : amount;
}

}  // namespace belvane
