#pragma once

#include "core/Types.h"
#include "rules/NameChecks.h"

#include <functional>
#include <string>

class QCheckBox;
class QComboBox;
class QEvent;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QObject;
class QRadioButton;
class QWidget;

namespace belvane {

class CBelvaneDoc;
class SignedAmountField;

// The fields the line and the recurring movement entry dialogs share, and
// their handling: the amount with its sign, the payment method, the category
// and subcategory, the payee (its label follows the sign; "Créer en sortie" is
// offered for an unknown name) and the observation. The widgets are children
// of the dialog, named by their control numbers.
class EntryFields {
public:
    EntryFields(CBelvaneDoc& doc, QWidget* dialog, int dialogId)
        : m_doc(doc), m_dialog(dialog), m_dialogId(dialogId) {}

    // Widgets are made in the order the keyboard visits them: the amount, its
    // sign (on `signRow`) and the payment method, then, after the dialog's own
    // fields, the names and the observation. The dialog filters their events.
    void BuildAmount();
    void BuildNames();

    // The payee's label follows the sign.
    void SetCredit(bool credit);
    void ShowAmount(Amount amount);  // a stored one
    void ShowNames(const std::string& rubrique, const std::string& sousRubrique,
                   const std::string& beneficiaire, const std::string& observation);
    void FillLists();
    void FillSousRubriques();
    void OnPayeeEdited();
    // Leaving a combo box takes its entry's letter case; leaving the category
    // also refills the subcategories.
    void OnComboLeft(QComboBox* combo);

    // Copies the fields into the line's or the movement's texts.
    template <class Texts>
    void Read(Texts& texts) const;
    QWidget* FieldWidget(EntryField field) const;  // nullptr for the dialog's own

    // Runs the checks of "OK", `next` giving each step, until they accept
    // (true). A refusal or a cancelled question puts the focus on `field` of
    // its step (false); a question answered yes and a creation on exit call
    // `create`, the lists then showing the new record; `refresh` answers the
    // validity step.
    bool RunChecks(const std::function<EntryStep()>& next,
                   const std::function<QWidget*(EntryField)>& field,
                   const std::function<bool(EntryField)>& create,
                   const std::function<void()>& refresh);

    // Enter or Return pressed without Ctrl or Alt.
    static bool IsEnter(const QEvent* event);
    // The combo box `event` makes lose the focus, unless only its drop-down
    // list opens; nullptr otherwise.
    static QComboBox* LeftCombo(QObject* watched, const QEvent* event);

    SignedAmountField* signedAmount = nullptr;
    QLineEdit* amount = nullptr;  // signedAmount's widgets
    QRadioButton* credit = nullptr;
    QHBoxLayout* signRow = nullptr;
    QComboBox* paiement = nullptr;
    QComboBox* rubrique = nullptr;
    QComboBox* sousRubrique = nullptr;
    QLabel* payeeLabel = nullptr;
    QComboBox* beneficiaire = nullptr;
    QCheckBox* createPayee = nullptr;
    QLineEdit* observation = nullptr;

private:
    CBelvaneDoc& m_doc;
    QWidget* m_dialog;
    int m_dialogId;
};

}  // namespace belvane
