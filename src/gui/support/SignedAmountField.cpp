#include "gui/support/SignedAmountField.h"

#include "core/ValueFormat.h"
#include "gui/support/DialogSupport.h"
#include "uilogic/SignedAmount.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>

namespace belvane {

namespace {

constexpr int kAmount = 1026;
constexpr int kCredit = 1029;
constexpr int kDebit = 1030;

}  // namespace

SignedAmountField::SignedAmountField(const ValueFormat& format, QWidget* dialog, int dialogId)
    : QObject(dialog),
      m_format(format),
      m_edit(dlg::Edit(dialog, kAmount, dlg::kAmountChars)),
      m_credit(dlg::Radio(dialog, dialogId, kCredit)),
      m_debit(dlg::Radio(dialog, dialogId, kDebit)) {
    m_debit->setChecked(true);
    connect(m_credit, &QRadioButton::toggled, this, [this](bool on) { emit signChanged(on); });
    connect(m_edit, &QLineEdit::editingFinished, this, &SignedAmountField::TakeTypedSign);
}

QHBoxLayout* SignedAmountField::NewSignRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(m_credit);
    row->addWidget(m_debit);
    row->addStretch();
    return row;
}

QHBoxLayout* SignedAmountField::NewRow() const {
    QHBoxLayout* row = NewSignRow();
    row->insertWidget(0, m_edit);
    return row;
}

bool SignedAmountField::IsCredit() const {
    return m_credit->isChecked();
}

void SignedAmountField::SetCredit(bool credit) {
    (credit ? m_credit : m_debit)->setChecked(true);
}

void SignedAmountField::Show(Amount amount, bool zeroShown, bool zeroCredit) {
    const SignedAmountView view = ShowSignedAmount(m_format, amount, zeroShown, zeroCredit);
    SetCredit(view.credit);
    dlg::ShowText(m_edit, FromStd(view.text), dlg::kAmountChars);
}

void SignedAmountField::Clear() {
    dlg::ShowText(m_edit, QString(), dlg::kAmountChars);
}

void SignedAmountField::TakeTypedSign() {
    const TypedAmount typed = m_format.ParseAmount(ToStd(m_edit->text()));
    if (!typed.IsRead() || typed.sign == 0)
        return;
    m_edit->setText(m_edit->text().mid(1));
    SetCredit(typed.sign > 0);
}

bool SignedAmountField::Check() {
    TakeTypedSign();
    const int refusal = m_format.ParseAmount(ToStd(m_edit->text())).Refusal();
    if (refusal == 0)
        return true;
    dlg::Refuse(m_edit->parentWidget(), refusal);
    dlg::FocusField(m_edit);
    return false;
}

Amount SignedAmountField::Value() const {
    const TypedAmount typed = m_format.ParseAmount(ToStd(m_edit->text()));
    return typed.IsRead() ? typed.Signed(IsCredit()) : 0;
}

}  // namespace belvane
