#pragma once

#include "core/Types.h"

#include <QWidget>

class QLineEdit;
class QRadioButton;

namespace belvane {

class CBelvaneDoc;

// The initial amount of a category or subcategory: the amount without sign
// ("1026", 10 characters) and its sign as "&Crédit" ("1029") / "&Débit"
// ("1030"), on one row. A new record at 0 shows an empty field.
class InitialAmountField : public QWidget {
    Q_OBJECT

public:
    InitialAmountField(const CBelvaneDoc& doc, int dialog, Amount amount, bool nouveau,
                       QWidget* parent);

    // The field the label "&Montant initial:" leads to.
    QLineEdit* AmountEdit() const { return m_amount; }
    // The amount typed (0 when it does not read), negative for a debit.
    Amount Value() const;
    // On OK, before Value() is stored: an amount beyond what a register holds
    // is refused with a message and the focus goes back to the field.
    bool Check();

private:
    QLineEdit* m_amount = nullptr;
    QRadioButton* m_debit = nullptr;
};

}  // namespace belvane
