#include "gui/dialogs/lines/CLigneDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "gui/dialogs/lists/CBeneficiaireDlg.h"
#include "gui/dialogs/lists/CPaiementDlg.h"
#include "gui/dialogs/lists/CRubriqueDlg.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/ReferenceCombos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace belvane {

namespace {

constexpr int kDialog = 137;

// Controls.
constexpr int kIssue = 1023;
constexpr int kStatement = 1024;
constexpr int kAmount = 1026;
constexpr int kCredit = 1029;
constexpr int kDebit = 1030;
constexpr int kPaiement = 1031;
constexpr int kReference = 1032;
constexpr int kValidity = 1033;
constexpr int kForce = 1039;
constexpr int kRubrique = 1035;
constexpr int kSousRubrique = 1036;
constexpr int kPayeeLabel = 1040;
constexpr int kPayee = 1034;
constexpr int kCreatePayee = 1042;
constexpr int kObservation = 1037;
constexpr int kOk = 1038;
constexpr int kCancel = 2;
constexpr int kCreateLine = 1124;
constexpr int kRevoke = 1120;
constexpr int kNext = 1121;
constexpr int kCancel3 = 3;
constexpr int kHelp3 = 1123;

// Strings.
constexpr int kTitleCorrection = 10050;   // "Edition de la ligne n°%d"
constexpr int kCreditorLabel = 10054;     // "C&réditeur:"
constexpr int kDebtorLabel = 10055;       // "Débiteu&r:"
constexpr int kTitleManual = 10061;       // "Création manuelle ... '%s'"
constexpr int kTitleAutomatic = 10062;    // "Création automatique ... '%s'"
constexpr int kTitleAnticipated = 10063;  // "Création anticipée ... '%s'"

// The entry dialogs of the reference lists, each on a record of the typed name.
RecordCreators DialogCreators() {
    RecordCreators c;
    c.paiement = [](CBelvaneDoc& doc, const std::string& name, QWidget* parent) {
        return NewPaiement(doc, [&](CPaiement& p) {
                   p.m_nom = name;
                   return CPaiementDlg(doc, p, true, parent).exec() == QDialog::Accepted;
               }) >= 0;
    };
    c.rubrique = [](CBelvaneDoc& doc, const std::string& name, QWidget* parent) {
        return NewRubrique(doc, [&](CRubrique& r) {
                   r.m_nom = name;
                   return EntryOutcome{
                       CRubriqueDlg(doc, r, true, parent).exec() == QDialog::Accepted, false};
               }) >= 0;
    };
    c.sousRubrique = [](CBelvaneDoc& doc, int rubrique, const std::string& name, QWidget* parent) {
        return NewSousRubrique(doc, rubrique, [&](CSousRubrique& s) {
                   s.m_nom = name;
                   return EntryOutcome{
                       CRubriqueDlg(doc, rubrique, s, true, parent).exec() == QDialog::Accepted,
                       false};
               }) >= 0;
    };
    c.beneficiaire = [](CBelvaneDoc& doc, const std::string& name, QWidget* parent) {
        return NewBeneficiaire(doc, [&](CBeneficiaire& b) {
                   b.m_nom = name;
                   return CBeneficiaireDlg(doc, b, true, parent).exec() == QDialog::Accepted;
               }) >= 0;
    };
    return c;
}

RecordCreators& Creators() {
    static RecordCreators creators = DialogCreators();
    return creators;
}

std::function<int(CLigneDlg&)>& Runner() {
    static std::function<int(CLigneDlg&)> runner;
    return runner;
}

QString Filled(int stringId, std::string_view arg) {
    return FromStd(FillPlaceholders(ToStd(CResources::Str(stringId)), {arg}));
}

void SetText(QComboBox* combo, const std::string& text) {
    dlg::ShowText(combo, FromStd(text), dlg::kNameChars);
}

}  // namespace

CLigneDlg::CLigneDlg(CBelvaneDoc& doc, QWidget* parent) : CLigneDlg(doc, Creators(), parent) {}

CLigneDlg::CLigneDlg(CBelvaneDoc& doc, RecordCreators creators, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_creators(std::move(creators)) {
    Build();
}

void CLigneDlg::SetDefaultCreators(RecordCreators creators) {
    Creators() = std::move(creators);
}

const RecordCreators& CLigneDlg::DefaultCreators() {
    return Creators();
}

void CLigneDlg::SetRunner(std::function<int(CLigneDlg&)> runner) {
    Runner() = std::move(runner);
}

void CLigneDlg::Build() {
    // Widgets are made in the order the keyboard visits them.
    m_issue = new CDateEdit(m_doc, true, kIssue, this);
    m_statement = new CDateEdit(m_doc, true, kStatement, this);
    m_amount = dlg::Edit(this, kAmount, dlg::kAmountChars);
    m_credit = dlg::Radio(this, kDialog, kCredit);
    m_debit = dlg::Radio(this, kDialog, kDebit);
    m_paiement = dlg::Combo(this, kPaiement, dlg::kNameChars);
    m_reference = dlg::Edit(this, kReference, dlg::kReferenceChars);
    m_validityGroup = new QGroupBox(dlg::Text(kDialog, kValidity), this);
    m_validityGroup->setObjectName(QStringLiteral("group%1").arg(kValidity));
    m_validity = new CDateEdit(m_doc, true, kValidity, m_validityGroup);
    m_force = dlg::CheckBox(m_validityGroup, kDialog, kForce);
    m_rubrique = dlg::Combo(this, kRubrique, dlg::kNameChars);
    m_sousRubrique = dlg::Combo(this, kSousRubrique, dlg::kNameChars);
    m_payee = dlg::Combo(this, kPayee, dlg::kNameChars);
    m_createPayee = dlg::CheckBox(this, kDialog, kCreatePayee);
    m_observation = dlg::Edit(this, kObservation, dlg::kObservationChars);
    m_ok = dlg::Button(this, kDialog, kOk);
    m_cancel = dlg::Button(this, kDialog, kCancel);
    m_help = dlg::Button(this, kDialog, dlg::kHelpButton);
    m_createLine = dlg::Button(this, kDialog, kCreateLine);
    m_revoke = dlg::Button(this, kDialog, kRevoke);
    m_next = dlg::Button(this, kDialog, kNext);
    m_cancel3 = dlg::Button(this, kDialog, kCancel3);
    m_help3 = dlg::Button(this, kDialog, kHelp3);

    m_payeeLabel = dlg::Label(this, kDialog, kPayeeLabel, m_payee);
    m_payeeLabel->setObjectName(QString::number(kPayeeLabel));

    auto* validityRow = new QHBoxLayout(m_validityGroup);
    validityRow->addWidget(m_validity);
    validityRow->addWidget(m_force);
    validityRow->addStretch();

    auto* signRow = new QHBoxLayout;
    signRow->addWidget(m_credit);
    signRow->addWidget(m_debit);
    signRow->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(dlg::Label(this, kDialog, kIssue, m_issue), 0, 0);
    grid->addWidget(m_issue, 0, 1);
    grid->addWidget(dlg::Label(this, kDialog, kStatement, m_statement), 0, 2);
    grid->addWidget(m_statement, 0, 3);
    grid->addWidget(dlg::Label(this, kDialog, kAmount, m_amount), 1, 0);
    grid->addWidget(m_amount, 1, 1);
    grid->addLayout(signRow, 1, 2, 1, 2);
    grid->addWidget(dlg::Label(this, kDialog, kPaiement, m_paiement), 2, 0);
    grid->addWidget(m_paiement, 2, 1);
    grid->addWidget(dlg::Label(this, kDialog, kReference, m_reference), 2, 2);
    grid->addWidget(m_reference, 2, 3);
    grid->addWidget(m_validityGroup, 3, 0, 1, 4);
    grid->addWidget(dlg::Label(this, kDialog, kRubrique, m_rubrique), 4, 0);
    grid->addWidget(m_rubrique, 4, 1);
    grid->addWidget(dlg::Label(this, kDialog, kSousRubrique, m_sousRubrique), 4, 2);
    grid->addWidget(m_sousRubrique, 4, 3);
    grid->addWidget(m_payeeLabel, 5, 0);
    grid->addWidget(m_payee, 5, 1);
    grid->addWidget(m_createPayee, 5, 2, 1, 2);
    grid->addWidget(dlg::Label(this, kDialog, kObservation, m_observation), 6, 0);
    grid->addWidget(m_observation, 6, 1, 1, 3);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b :
         {m_ok, m_cancel, m_help, m_createLine, m_revoke, m_next, m_cancel3, m_help3})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    // Enter moves to the next field (or presses the default button of the
    // creation modes); leaving a combo box takes its entry's letter case.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_issue, m_statement, m_amount, m_credit, m_debit, m_paiement, m_reference, m_validity,
             m_force, m_rubrique, m_sousRubrique, m_payee, m_createPayee, m_observation})
        w->installEventFilter(this);
    // Enter on a button presses that button, not the default one.
    for (QPushButton* b :
         {m_ok, m_cancel, m_help, m_createLine, m_revoke, m_next, m_cancel3, m_help3})
        b->installEventFilter(this);

    connect(m_issue, &CDateEdit::left, this, &CLigneDlg::RefreshValidity);
    connect(m_validity, &CDateEdit::left, this, &CLigneDlg::RefreshValidity);
    connect(m_validity, &QLineEdit::textChanged, this, &CLigneDlg::OnValidityEdited);
    connect(m_force, &QCheckBox::clicked, this, &CLigneDlg::RefreshValidity);
    connect(m_credit, &QRadioButton::toggled, this, &CLigneDlg::OnSignChanged);
    connect(m_payee, &QComboBox::editTextChanged, this, &CLigneDlg::OnPayeeEdited);
    connect(m_payee, &QComboBox::activated, this, &CLigneDlg::OnPayeeEdited);
    connect(m_observation, &QLineEdit::textChanged, this, &CLigneDlg::OnObservationChanged);

    connect(m_ok, &QPushButton::clicked, this, &CLigneDlg::accept);
    connect(m_createLine, &QPushButton::clicked, this, &CLigneDlg::accept);
    connect(m_cancel, &QPushButton::clicked, this, &CLigneDlg::reject);
    connect(m_cancel3, &QPushButton::clicked, this, &CLigneDlg::reject);
    connect(m_revoke, &QPushButton::clicked, this, [this] { Close(kResultRevoke); });
    connect(m_next, &QPushButton::clicked, this, [this] { Close(kResultNext); });
    connect(m_help, &QPushButton::clicked, this, &CLigneDlg::Help);
    connect(m_help3, &QPushButton::clicked, this, &CLigneDlg::Help);
}

void CLigneDlg::Open(CLigne& line, int mode, int index, std::uint16_t* resultCode) {
    m_opened = false;
    m_line = &line;
    m_mode = mode;
    m_index = index;
    m_resultCode = resultCode;
    m_completer.Reset();

    // Every opening starts from empty fields and the lists as the document has them.
    for (QLineEdit* e : {static_cast<QLineEdit*>(m_issue), static_cast<QLineEdit*>(m_statement),
                         m_amount, m_reference, static_cast<QLineEdit*>(m_validity), m_observation})
        e->clear();
    for (QComboBox* c : {m_paiement, m_rubrique, m_sousRubrique, m_payee})
        dlg::ShowText(c, QString(), dlg::kNameChars);
    // A longer text shown at an earlier opening may have raised the limits.
    m_amount->setMaxLength(dlg::kAmountChars);
    m_reference->setMaxLength(dlg::kReferenceChars);
    m_observation->setMaxLength(dlg::kObservationChars);
    m_force->setChecked(false);
    m_createPayee->setChecked(false);
    m_createPayee->setEnabled(false);
    SetCredit(false);
    FillLists();
    dlg::SetTitle(this, kDialog);

    if (mode == kCorrection) {
        setWindowTitle(Filled(kTitleCorrection, std::to_string(index + 1)));
        m_issue->SetValue(line.m_dateEmission);
        m_statement->SetValue(line.m_dateReleve);
        SetText(m_paiement, line.m_paiement);
        m_force->setChecked(LineHasForcedValidity(m_doc, line));
        m_validity->SetValue(line.m_dateValidite);
        ShowAmount(line.m_montant);
        dlg::ShowText(m_reference, FromStd(line.m_reference), dlg::kReferenceChars);
    } else if (IsCreationMode()) {
        const int titleId = mode == kManualCreation      ? kTitleManual
                            : mode == kAutomaticCreation ? kTitleAutomatic
                                                         : kTitleAnticipated;
        const std::string title = index >= 0 && index < m_doc.GetMouvementCount()
                                      ? m_doc.GetMouvement(index).GetTitre()
                                      : std::string();
        setWindowTitle(Filled(titleId, title));
        m_issue->SetValue(line.m_dateEmission);
        SetText(m_paiement, line.m_paiement);
        ShowAmount(line.m_montant);
    }
    if (mode != kNew) {
        SetText(m_rubrique, line.m_rubrique);
        FillSousRubriques();
        SetText(m_sousRubrique, line.m_sousRubrique);
        SetText(m_payee, line.m_beneficiaire);
        m_createPayee->setEnabled(false);
        dlg::ShowText(m_observation, FromStd(line.m_observation), dlg::kObservationChars);
    }
    if (IsCreationMode())
        RefreshValidity();
    ShowButtons();
    if (IsCreationMode())
        m_reference->setFocus(Qt::OtherFocusReason);
    else
        m_issue->setFocus(Qt::OtherFocusReason);
    m_opened = true;
}

int CLigneDlg::Run(CLigne& line, int mode, int index, std::uint16_t* resultCode) {
    Open(line, mode, index, resultCode);
    return Runner() ? Runner()(*this) : exec();
}

void CLigneDlg::ShowButtons() {
    const bool creation = IsCreationMode();
    const bool choices = m_mode == kAutomaticCreation || m_mode == kAnticipatedCreation;
    for (QPushButton* b : {m_ok, m_cancel, m_help}) {
        b->setVisible(!creation);
        b->setEnabled(!creation);
    }
    for (QPushButton* b : {m_createLine, m_revoke, m_next, m_cancel3, m_help3})
        b->setVisible(creation);
    m_createLine->setEnabled(creation);
    m_cancel3->setEnabled(creation);
    m_help3->setEnabled(creation);
    m_revoke->setEnabled(choices);
    m_next->setEnabled(choices);
    m_createLine->setDefault(creation);
}

void CLigneDlg::FillLists() {
    FillReferenceCombos(m_doc, m_paiement, m_payee, m_rubrique, m_sousRubrique);
}

void CLigneDlg::FillSousRubriques() {
    FillSousRubriqueCombo(m_doc, m_rubrique, m_sousRubrique);
}

void CLigneDlg::ShowAmount(Amount amount) {
    if (amount > 0)
        SetCredit(true);
    if (amount != 0)
        dlg::ShowText(m_amount, FromStd(m_doc.FormatAmount(amount, false, 0)), dlg::kAmountChars);
}

void CLigneDlg::SetCredit(bool credit) {
    (credit ? m_credit : m_debit)->setChecked(true);
    m_payeeLabel->setText(CResources::Str(credit ? kCreditorLabel : kDebtorLabel));
}

void CLigneDlg::RefreshValidity() {
    if (m_force->isChecked())
        return;
    const DayDate date = ComputedValidity(m_doc, ToStd(m_issue->text()),
                                          ToStd(m_paiement->currentText()), m_credit->isChecked());
    if (date != 0)
        m_validity->SetValue(date);
}

void CLigneDlg::OnValidityEdited() {
    if (!m_opened || m_force->isChecked())
        return;
    if (ValidityIsForced(m_doc, ToStd(m_issue->text()), ToStd(m_paiement->currentText()),
                         m_credit->isChecked(), ToStd(m_validity->text())))
        m_force->setChecked(true);
}

void CLigneDlg::OnSignChanged() {
    if (!m_opened)
        return;
    SetCredit(m_credit->isChecked());
    RefreshValidity();
}

void CLigneDlg::OnComboLeft(QComboBox* combo) {
    dlg::TakeEntryCase(combo);
    if (combo == m_paiement) {
        RefreshValidity();
    } else if (combo == m_rubrique) {
        FillSousRubriques();
    } else if (combo == m_payee) {
        OnPayeeEdited();
    }
}

void CLigneDlg::OnPayeeEdited() {
    if (!m_opened)
        return;
    const bool unknown = PayeeCanBeCreated(m_doc, ToStd(m_payee->currentText()));
    m_createPayee->setEnabled(unknown);
}

void CLigneDlg::OnObservationChanged() {
    if (!m_opened || m_completing)
        return;
    const QString typed = m_observation->text();
    const std::optional<std::string> rest = m_completer.OnChange(m_doc, ToStd(typed));
    if (!rest || rest->empty())
        return;
    const QString added = FromStd(*rest);
    m_completing = true;
    // An earlier observation may be longer than the field allows: show it whole.
    dlg::ShowText(m_observation, typed + added, dlg::kObservationChars);
    m_observation->setSelection(static_cast<int>(typed.size()), static_cast<int>(added.size()));
    m_completing = false;
}

bool CLigneDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (enter && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (auto* button = qobject_cast<QPushButton*>(watched))
                button->click();
            else if (IsCreationMode())
                m_createLine->click();
            else
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

LineEntryTexts CLigneDlg::ReadTexts() const {
    LineEntryTexts t;
    t.issue = ToStd(m_issue->text());
    t.statement = ToStd(m_statement->text());
    t.amount = ToStd(m_amount->text());
    t.credit = m_credit->isChecked();
    t.paiement = ToStd(m_paiement->currentText());
    t.reference = ToStd(m_reference->text());
    t.validity = ToStd(m_validity->text());
    t.rubrique = ToStd(m_rubrique->currentText());
    t.sousRubrique = ToStd(m_sousRubrique->currentText());
    t.beneficiaire = ToStd(m_payee->currentText());
    // A box disabled because the payee now exists creates nothing.
    t.createBeneficiaire = m_createPayee->isEnabled() && m_createPayee->isChecked();
    t.observation = ToStd(m_observation->text());
    return t;
}

QWidget* CLigneDlg::FieldWidget(EntryField field) const {
    switch (field) {
        case EntryField::IssueDate:
            return m_issue;
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
        case EntryField::Title:
        case EntryField::NextDate:
        case EntryField::Months:
        case EntryField::Day:
            break;
    }
    return m_issue;
}

bool CreateNamedRecord(const RecordCreators& creators, CBelvaneDoc& doc, EntryField field,
                       const std::string& paiement, const std::string& rubrique,
                       const std::string& sousRubrique, const std::string& beneficiaire,
                       QWidget* parent) {
    switch (field) {
        case EntryField::Paiement:
            return creators.paiement && creators.paiement(doc, paiement, parent);
        case EntryField::Rubrique:
            return creators.rubrique && creators.rubrique(doc, rubrique, parent);
        case EntryField::SousRubrique: {
            const int r = doc.FindRubrique(rubrique);
            return r < doc.GetRubriqueCount() && creators.sousRubrique &&
                   creators.sousRubrique(doc, r, sousRubrique, parent);
        }
        case EntryField::Beneficiaire:
            return creators.beneficiaire && creators.beneficiaire(doc, beneficiaire, parent);
        default:
            return false;
    }
}

bool CLigneDlg::Create(EntryField field, const LineEntryTexts& t) {
    const bool created = CreateNamedRecord(m_creators, m_doc, field, t.paiement, t.rubrique,
                                           t.sousRubrique, t.beneficiaire, this);
    // The new record shows in the lists should the dialog stay open.
    if (created)
        FillLists();
    return created;
}

void CLigneDlg::accept() {
    if (!m_line)
        return;
    LineEntryTexts texts = ReadTexts();
    LineEntryChecks checks(m_doc, texts);
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
                if (answer == IMessageBox::Answer::Yes)
                    Create(step.field, texts);
                break;
            }
            case EntryStep::RefreshValidity:
                RefreshValidity();
                texts.validity = ToStd(m_validity->text());
                break;
            case EntryStep::CreateOnExit:
                Create(step.field, texts);
                break;
            case EntryStep::Accept:
                *m_line = BuildLine(m_doc, texts);
                m_line = nullptr;
                QDialog::accept();
                return;
        }
    }
}

void CLigneDlg::reject() {
    Close(kResultCancel);
}

void CLigneDlg::Close(ResultCode code) {
    if (m_resultCode && (m_mode == kAutomaticCreation || m_mode == kAnticipatedCreation))
        *m_resultCode = code;
    m_line = nullptr;
    QDialog::reject();
}

void CLigneDlg::Help() {
    dlg::ShowHelp(IsCreationMode() ? QStringLiteral("dialog-1123") : QStringLiteral("dialog-137"));
}

}  // namespace belvane
