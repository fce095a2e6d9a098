#include "gui/dialogs/movements/CMouvementDlg.h"

#include "core/CBelvaneDoc.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/ReferenceCombos.h"
#include "rules/LineEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 185;

// Controls.
constexpr int kTitre = 1118;
constexpr int kNextDate = 1023;
constexpr int kMonths = 1119;
constexpr int kDay = 1239;
constexpr int kAmount = 1026;
constexpr int kCredit = 1029;
constexpr int kDebit = 1030;
constexpr int kPaiement = 1031;
constexpr int kRubrique = 1035;
constexpr int kSousRubrique = 1036;
constexpr int kPayeeLabel = 1040;
constexpr int kPayee = 1034;
constexpr int kCreatePayee = 1042;
constexpr int kObservation = 1037;
constexpr int kOk = 1038;
constexpr int kCancel = 2;

constexpr int kNumberChars = 2;

// Strings.
constexpr int kTitleCorrection = 10060;  // "Correction des données d'un mouvement automatique"
constexpr int kCreditorLabel = 10054;    // "C&réditeur:"
constexpr int kDebtorLabel = 10055;      // "Débiteu&r:"

}  // namespace

CMouvementDlg::CMouvementDlg(CBelvaneDoc& doc, CMouvementAuto& mouvement, int mode, QWidget* parent)
    : CMouvementDlg(doc, mouvement, mode, CLigneDlg::DefaultCreators(), parent) {}

CMouvementDlg::CMouvementDlg(CBelvaneDoc& doc, CMouvementAuto& mouvement, int mode,
                             RecordCreators creators, QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_mouvement(mouvement),
      m_mode(mode),
      m_creators(std::move(creators)) {
    Build();
    SetCredit(false);
    FillLists();
    if (mode == kCorrection) {
        setWindowTitle(CResources::Str(kTitleCorrection));
        Show(mouvement);
    }
    m_titre->setFocus(Qt::OtherFocusReason);
}

void CMouvementDlg::Build() {
    dlg::SetTitle(this, kDialog);
    // Widgets are made in the order the keyboard visits them.
    m_titre = dlg::Edit(this, kTitre, dlg::kNameChars);
    m_nextDate = new CDateEdit(m_doc, true, kNextDate, this);
    m_months = dlg::Edit(this, kMonths, kNumberChars);
    m_day = dlg::Edit(this, kDay, kNumberChars);
    m_amount = dlg::Edit(this, kAmount, dlg::kAmountChars);
    m_credit = dlg::Radio(this, kDialog, kCredit);
    m_debit = dlg::Radio(this, kDialog, kDebit);
    m_paiement = dlg::Combo(this, kPaiement, dlg::kNameChars);
    m_rubrique = dlg::Combo(this, kRubrique, dlg::kNameChars);
    m_sousRubrique = dlg::Combo(this, kSousRubrique, dlg::kNameChars);
    m_payee = dlg::Combo(this, kPayee, dlg::kNameChars);
    m_createPayee = dlg::CheckBox(this, kDialog, kCreatePayee);
    m_createPayee->setEnabled(false);
    m_observation = dlg::Edit(this, kObservation, dlg::kObservationChars);
    QPushButton* ok = dlg::Button(this, kDialog, kOk);
    QPushButton* cancel = dlg::Button(this, kDialog, kCancel);
    m_payeeLabel = dlg::Label(this, kDialog, kPayeeLabel, m_payee);
    m_payeeLabel->setObjectName(QString::number(kPayeeLabel));

    auto* signRow = new QHBoxLayout;
    signRow->addWidget(m_credit);
    signRow->addWidget(m_debit);
    signRow->addStretch();

    auto* grid = new QGridLayout;
    int row = 0;
    const auto add = [&](int control, QWidget* field) {
        grid->addWidget(dlg::Label(this, kDialog, control, field), row, 0);
        grid->addWidget(field, row++, 1, 1, 2);
    };
    add(kTitre, m_titre);
    add(kNextDate, m_nextDate);
    add(kMonths, m_months);
    add(kDay, m_day);
    grid->addWidget(dlg::Label(this, kDialog, kAmount, m_amount), row, 0);
    grid->addWidget(m_amount, row, 1);
    grid->addLayout(signRow, row++, 2);
    add(kPaiement, m_paiement);
    add(kRubrique, m_rubrique);
    add(kSousRubrique, m_sousRubrique);
    grid->addWidget(m_payeeLabel, row, 0);
    grid->addWidget(m_payee, row, 1);
    grid->addWidget(m_createPayee, row++, 2);
    add(kObservation, m_observation);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Enter moves to the next field; only "OK" stores.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_titre, m_nextDate, m_months, m_day, m_amount, m_credit, m_debit, m_paiement,
             m_rubrique, m_sousRubrique, m_payee, m_createPayee, m_observation})
        w->installEventFilter(this);

    connect(m_credit, &QRadioButton::toggled, this, [this] { SetCredit(m_credit->isChecked()); });
    connect(m_payee, &QComboBox::editTextChanged, this, &CMouvementDlg::OnPayeeEdited);
    connect(m_payee, &QComboBox::activated, this, &CMouvementDlg::OnPayeeEdited);
    connect(ok, &QPushButton::clicked, this, &CMouvementDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CMouvementDlg::reject);
}

void CMouvementDlg::Show(const CMouvementAuto& m) {
    const auto name = [](QComboBox* c, const std::string& text) {
        dlg::ShowText(c, FromStd(text), dlg::kNameChars);
    };
    dlg::ShowText(m_titre, FromStd(m.m_titre), dlg::kNameChars);
    m_nextDate->SetValue(m.m_prochaineDate);
    m_months->setText(QString::number(m.m_nbMois));
    m_day->setText(QString::number(m.m_jour));
    name(m_paiement, m.m_paiement);
    if (m.m_montant > 0)
        m_credit->setChecked(true);
    if (m.m_montant != 0)
        dlg::ShowText(m_amount, FromStd(m_doc.FormatAmount(m.m_montant, false, 0)),
                      dlg::kAmountChars);
    name(m_rubrique, m.m_rubrique);
    FillSousRubriques();
    name(m_sousRubrique, m.m_sousRubrique);
    name(m_payee, m.m_beneficiaire);
    m_createPayee->setEnabled(false);
    dlg::ShowText(m_observation, FromStd(m.m_observation), dlg::kObservationChars);
}

void CMouvementDlg::FillLists() {
    FillReferenceCombos(m_doc, m_paiement, m_payee, m_rubrique, m_sousRubrique);
}

void CMouvementDlg::FillSousRubriques() {
    FillSousRubriqueCombo(m_doc, m_rubrique, m_sousRubrique);
}

void CMouvementDlg::SetCredit(bool credit) {
    (credit ? m_credit : m_debit)->setChecked(true);
    m_payeeLabel->setText(CResources::Str(credit ? kCreditorLabel : kDebtorLabel));
}

void CMouvementDlg::OnComboLeft(QComboBox* combo) {
    dlg::TakeEntryCase(combo);
    if (combo == m_rubrique)
        FillSousRubriques();
    else if (combo == m_payee)
        OnPayeeEdited();
}

void CMouvementDlg::OnPayeeEdited() {
    m_createPayee->setEnabled(PayeeCanBeCreated(m_doc, ToStd(m_payee->currentText())));
}

bool CMouvementDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            focusNextChild();
            return true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        auto* combo = qobject_cast<QComboBox*>(watched);
        // Opening the drop-down list does not leave the box.
        if (combo && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            OnComboLeft(combo);
    }
    return QDialog::eventFilter(watched, event);
}

MovementEntryTexts CMouvementDlg::ReadTexts() const {
    MovementEntryTexts t;
    t.titre = ToStd(m_titre->text());
    t.nextDate = ToStd(m_nextDate->text());
    t.months = ToStd(m_months->text());
    t.day = ToStd(m_day->text());
    t.amount = ToStd(m_amount->text());
    t.credit = m_credit->isChecked();
    t.paiement = ToStd(m_paiement->currentText());
    t.rubrique = ToStd(m_rubrique->currentText());
    t.sousRubrique = ToStd(m_sousRubrique->currentText());
    t.beneficiaire = ToStd(m_payee->currentText());
    t.createBeneficiaire = m_createPayee->isEnabled() && m_createPayee->isChecked();
    t.observation = ToStd(m_observation->text());
    return t;
}

QWidget* CMouvementDlg::FieldWidget(EntryField field) const {
    switch (field) {
        case EntryField::Title:
            return m_titre;
        case EntryField::NextDate:
            return m_nextDate;
        case EntryField::Months:
            return m_months;
        case EntryField::Day:
            return m_day;
        case EntryField::Amount:
            return m_amount;
        case EntryField::Paiement:
            return m_paiement;
        case EntryField::Rubrique:
            return m_rubrique;
        case EntryField::SousRubrique:
            return m_sousRubrique;
        case EntryField::Beneficiaire:
            return m_payee;
        case EntryField::IssueDate:
            break;
    }
    return m_titre;
}

void CMouvementDlg::accept() {
    const MovementEntryTexts texts = ReadTexts();
    MovementEntryChecks checks(m_doc, texts);
    for (;;) {
        const EntryStep step = checks.Next();
        switch (step.action) {
            case EntryStep::Refuse:
                dlg::Refuse(this, step.stringId);
                dlg::FocusField(FieldWidget(step.field));
                return;
            case EntryStep::AskCreate: {
                const IMessageBox::Answer answer =
                    dlg::AskYesNoCancel(this, CResources::Str(step.stringId));
                if (answer == IMessageBox::Answer::Cancel) {
                    dlg::FocusField(FieldWidget(step.field));
                    return;
                }
                if (answer == IMessageBox::Answer::Yes &&
                    CreateNamedRecord(m_creators, m_doc, step.field, texts.paiement, texts.rubrique,
                                      texts.sousRubrique, texts.beneficiaire, this))
                    FillLists();
                break;
            }
            case EntryStep::CreateOnExit:
                CreateNamedRecord(m_creators, m_doc, step.field, texts.paiement, texts.rubrique,
                                  texts.sousRubrique, texts.beneficiaire, this);
                break;
            case EntryStep::RefreshValidity:  // a movement has no validity date
                break;
            case EntryStep::Accept:
                m_mouvement = BuildMovement(m_doc, texts);
                QDialog::accept();
                return;
        }
    }
}

}  // namespace belvane
