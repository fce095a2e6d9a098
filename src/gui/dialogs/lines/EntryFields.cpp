#include "gui/dialogs/lines/EntryFields.h"

#include "core/CBelvaneDoc.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/ReferenceCombos.h"
#include "gui/support/SignedAmountField.h"
#include "rules/LineEntry.h"
#include "rules/MovementEntry.h"
#include "uilogic/SignedAmount.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace belvane {

namespace {

// Controls.
constexpr int kPaiement = 1031;
constexpr int kRubrique = 1035;
constexpr int kSousRubrique = 1036;
constexpr int kPayeeLabel = 1040;
constexpr int kPayee = 1034;
constexpr int kCreatePayee = 1042;
constexpr int kObservation = 1037;

}  // namespace

void EntryFields::BuildAmount() {
    signedAmount = new SignedAmountField(m_doc.Format(), m_dialog, m_dialogId);
    amount = signedAmount->Edit();
    credit = signedAmount->Credit();
    paiement = dlg::Combo(m_dialog, kPaiement, dlg::kNameChars);
    signRow = signedAmount->NewSignRow();
}

void EntryFields::BuildNames() {
    rubrique = dlg::Combo(m_dialog, kRubrique, dlg::kNameChars);
    sousRubrique = dlg::Combo(m_dialog, kSousRubrique, dlg::kNameChars);
    // Wide enough for a usual name whole ("Assurance habitation"): the lists
    // are filled after the dialog has taken its size.
    for (QComboBox* names : {rubrique, sousRubrique})
        names->setMinimumContentsLength(22);
    beneficiaire = dlg::Combo(m_dialog, kPayee, dlg::kNameChars);
    createPayee = dlg::CheckBox(m_dialog, m_dialogId, kCreatePayee);
    observation = dlg::Edit(m_dialog, kObservation, dlg::kObservationChars);
    payeeLabel = dlg::Label(m_dialog, m_dialogId, kPayeeLabel, beneficiaire);
    payeeLabel->setObjectName(QString::number(kPayeeLabel));
    for (QWidget* w :
         std::initializer_list<QWidget*>{amount, credit, signedAmount->Debit(), paiement, rubrique,
                                         sousRubrique, beneficiaire, createPayee, observation})
        w->installEventFilter(m_dialog);
}

void EntryFields::SetCredit(bool isCredit) {
    signedAmount->SetCredit(isCredit);
    payeeLabel->setText(CResources::Str(PayeeLabelId(isCredit)));
}

void EntryFields::ShowAmount(Amount value) {
    signedAmount->Show(value, false, false);
    SetCredit(signedAmount->IsCredit());
}

void EntryFields::ShowNames(const std::string& rubriqueText, const std::string& sousRubriqueText,
                            const std::string& beneficiaireText,
                            const std::string& observationText) {
    dlg::ShowText(rubrique, FromStd(rubriqueText), dlg::kNameChars);
    FillSousRubriques();
    dlg::ShowText(sousRubrique, FromStd(sousRubriqueText), dlg::kNameChars);
    dlg::ShowText(beneficiaire, FromStd(beneficiaireText), dlg::kNameChars);
    createPayee->setEnabled(false);
    dlg::ShowText(observation, FromStd(observationText), dlg::kObservationChars);
}

void EntryFields::FillLists() {
    FillReferenceCombos(m_doc, paiement, beneficiaire, rubrique, sousRubrique);
}

void EntryFields::FillSousRubriques() {
    FillSousRubriqueCombo(m_doc, rubrique, sousRubrique);
}

void EntryFields::OnPayeeEdited() {
    createPayee->setEnabled(PayeeCanBeCreated(m_doc, ToStd(beneficiaire->currentText())));
}

void EntryFields::OnComboLeft(QComboBox* combo) {
    dlg::TakeEntryCase(combo);
    if (combo == rubrique)
        FillSousRubriques();
}

template <class Texts>
void EntryFields::Read(Texts& t) const {
    t.amount = ToStd(amount->text());
    t.credit = signedAmount->IsCredit();
    t.paiement = ToStd(paiement->currentText());
    t.rubrique = ToStd(rubrique->currentText());
    t.sousRubrique = ToStd(sousRubrique->currentText());
    t.beneficiaire = ToStd(beneficiaire->currentText());
    // A box disabled because the payee now exists creates nothing.
    t.createBeneficiaire = createPayee->isEnabled() && createPayee->isChecked();
    t.observation = ToStd(observation->text());
}
template void EntryFields::Read(LineEntryTexts&) const;
template void EntryFields::Read(MovementEntryTexts&) const;

QWidget* EntryFields::FieldWidget(EntryField field) const {
    switch (field) {
        case EntryField::Amount:
            return amount;
        case EntryField::Paiement:
            return paiement;
        case EntryField::Rubrique:
            return rubrique;
        case EntryField::SousRubrique:
            return sousRubrique;
        case EntryField::Beneficiaire:
            return beneficiaire;
        default:
            return nullptr;
    }
}

bool EntryFields::RunChecks(const std::function<EntryStep()>& next,
                            const std::function<QWidget*(EntryField)>& field,
                            const std::function<bool(EntryField)>& create,
                            const std::function<void()>& refresh) {
    for (;;) {
        const EntryStep step = next();
        IMessageBox::Answer answer = IMessageBox::Answer::Yes;  // creation on exit
        switch (step.action) {
            case EntryStep::Accept:
                return true;
            case EntryStep::RefreshValidity:
                refresh();
                continue;
            case EntryStep::Refuse:
                dlg::Refuse(m_dialog, step.stringId);
                answer = IMessageBox::Answer::Cancel;
                break;
            case EntryStep::AskCreate:
                answer = dlg::AskYesNoCancel(m_dialog, CResources::Str(step.stringId));
                break;
            case EntryStep::CreateOnExit:
                break;
        }
        if (answer == IMessageBox::Answer::Cancel) {
            dlg::FocusField(field(step.field));
            return false;
        }
        if (answer == IMessageBox::Answer::Yes && create(step.field))
            FillLists();
    }
}

bool EntryFields::IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

QComboBox* EntryFields::LeftCombo(QObject* watched, const QEvent* event) {
    // Opening the drop-down list does not leave the box.
    if (event->type() != QEvent::FocusOut ||
        static_cast<const QFocusEvent*>(event)->reason() == Qt::PopupFocusReason)
        return nullptr;
    return qobject_cast<QComboBox*>(watched);
}

}  // namespace belvane
