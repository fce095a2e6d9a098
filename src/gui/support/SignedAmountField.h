#pragma once

#include "core/Types.h"

#include <QObject>

class QHBoxLayout;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace belvane {

class ValueFormat;

// An amount typed without its sign ("1026") and its sign as "&Crédit"
// ("1029") / "&Débit" ("1030"): the line, movement, category and summary
// dialogs share it. A sign typed in front of the amount chooses the button
// when the field is left, or on OK ("-12,50" becomes "12,50" and "&Débit").
// The widgets are children of `dialog`, made in the order the keyboard visits
// them; the dialog lays them out.
class SignedAmountField : public QObject {
    Q_OBJECT

public:
    SignedAmountField(const ValueFormat& format, QWidget* dialog, int dialogId);

    QLineEdit* Edit() const { return m_edit; }
    QRadioButton* Credit() const { return m_credit; }
    QRadioButton* Debit() const { return m_debit; }
    // The two buttons on one row, or the field and its buttons on one row.
    QHBoxLayout* NewSignRow() const;
    QHBoxLayout* NewRow() const;

    bool IsCredit() const;
    void SetCredit(bool credit);
    // Shows a stored amount (see ShowSignedAmount) after emptying the field.
    void Show(Amount amount, bool zeroShown, bool zeroCredit);
    void Clear();

    // Moves a sign typed in front of a readable amount to the buttons.
    void TakeTypedSign();
    // On OK, for a dialog without checks of its own: takes the typed sign,
    // then refuses an amount that does not read (10121) or does not fit
    // (10111) with a message, the focus back in the field.
    bool Check();
    // The amount typed, negative for a debit; 0 when it does not read.
    Amount Value() const;

signals:
    // "&Crédit" or "&Débit" was chosen, by a click or by a typed sign.
    void signChanged(bool credit);

private:
    const ValueFormat& m_format;
    QLineEdit* m_edit;
    QRadioButton* m_credit;
    QRadioButton* m_debit;
};

}  // namespace belvane
