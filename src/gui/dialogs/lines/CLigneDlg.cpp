#include "gui/dialogs/lines/CLigneDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "core/StringTable.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/IModal.h"
#include "gui/support/SignedAmountField.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
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
constexpr int kPaiement = 1031;
constexpr int kReference = 1032;
constexpr int kValidity = 1033;
constexpr int kForce = 1039;
constexpr int kRubrique = 1035;
constexpr int kSousRubrique = 1036;
constexpr int kObservation = 1037;
constexpr int kOk = 1038;
constexpr int kCancel = 2;
constexpr int kCreateLine = 1124;
constexpr int kRevoke = 1120;
constexpr int kNext = 1121;
constexpr int kCancel3 = 3;
constexpr int kHelp3 = 1123;

QString Filled(int stringId, std::string_view arg) {
    return FromStd(FillPlaceholders(ToStd(CResources::Str(stringId)), {arg}));
}

void SetText(QComboBox* combo, const std::string& text) {
    dlg::ShowText(combo, FromStd(text), dlg::kNameChars);
}

}  // namespace

CLigneDlg::CLigneDlg(CBelvaneDoc& doc, QWidget* parent)
    : CLigneDlg(doc, DialogCreators(), parent) {}

CLigneDlg::CLigneDlg(CBelvaneDoc& doc, RecordCreators creators, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_creators(std::move(creators)), m_fields(doc, this, kDialog) {
    Build();
}

void CLigneDlg::Build() {
    // Widgets are made in the order the keyboard visits them.
    m_issue = new CDateEdit(m_doc.Format(), true, kIssue, this);
    m_statement = new CDateEdit(m_doc.Format(), true, kStatement, this);
    m_fields.BuildAmount();
    m_reference = dlg::Edit(this, kReference, dlg::kReferenceChars);
    m_validityGroup = new QGroupBox(dlg::Text(kDialog, kValidity), this);
    m_validityGroup->setObjectName(QStringLiteral("group%1").arg(kValidity));
    m_validity = new CDateEdit(m_doc.Format(), true, kValidity, m_validityGroup);
    m_force = dlg::CheckBox(m_validityGroup, kDialog, kForce);
    m_fields.BuildNames();
    m_ok = dlg::Button(this, kDialog, kOk);
    m_cancel = dlg::Button(this, kDialog, kCancel);
    m_help = dlg::Button(this, kDialog, dlg::kHelpButton);
    m_createLine = dlg::Button(this, kDialog, kCreateLine);
    m_revoke = dlg::Button(this, kDialog, kRevoke);
    m_next = dlg::Button(this, kDialog, kNext);
    m_cancel3 = dlg::Button(this, kDialog, kCancel3);
    m_help3 = dlg::Button(this, kDialog, kHelp3);

    auto* validityRow = new QHBoxLayout(m_validityGroup);
    validityRow->addWidget(m_validity);
    validityRow->addWidget(m_force);
    validityRow->addStretch();

    auto* grid = new QGridLayout;
    grid->addWidget(dlg::Label(this, kDialog, kIssue, m_issue), 0, 0);
    grid->addWidget(m_issue, 0, 1);
    grid->addWidget(dlg::Label(this, kDialog, kStatement, m_statement), 0, 2);
    grid->addWidget(m_statement, 0, 3);
    grid->addWidget(dlg::Label(this, kDialog, kAmount, m_fields.amount), 1, 0);
    grid->addWidget(m_fields.amount, 1, 1);
    grid->addLayout(m_fields.signRow, 1, 2, 1, 2);
    grid->addWidget(dlg::Label(this, kDialog, kPaiement, m_fields.paiement), 2, 0);
    grid->addWidget(m_fields.paiement, 2, 1);
    grid->addWidget(dlg::Label(this, kDialog, kReference, m_reference), 2, 2);
    grid->addWidget(m_reference, 2, 3);
    grid->addWidget(m_validityGroup, 3, 0, 1, 4);
    grid->addWidget(dlg::Label(this, kDialog, kRubrique, m_fields.rubrique), 4, 0);
    grid->addWidget(m_fields.rubrique, 4, 1);
    grid->addWidget(dlg::Label(this, kDialog, kSousRubrique, m_fields.sousRubrique), 4, 2);
    grid->addWidget(m_fields.sousRubrique, 4, 3);
    grid->addWidget(m_fields.payeeLabel, 5, 0);
    grid->addWidget(m_fields.beneficiaire, 5, 1);
    grid->addWidget(m_fields.createPayee, 5, 2, 1, 2);
    grid->addWidget(dlg::Label(this, kDialog, kObservation, m_fields.observation), 6, 0);
    grid->addWidget(m_fields.observation, 6, 1, 1, 3);
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
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_issue, m_statement, m_reference, m_validity, m_force})
        w->installEventFilter(this);

    connect(m_issue, &CDateEdit::left, this, &CLigneDlg::RefreshValidity);
    connect(m_validity, &CDateEdit::left, this, &CLigneDlg::RefreshValidity);
    connect(m_validity, &QLineEdit::textChanged, this, &CLigneDlg::OnValidityEdited);
    connect(m_force, &QCheckBox::clicked, this, &CLigneDlg::RefreshValidity);
    connect(m_fields.signedAmount, &SignedAmountField::signChanged, this,
            &CLigneDlg::OnSignChanged);
    connect(m_fields.beneficiaire, &QComboBox::editTextChanged, this, &CLigneDlg::OnPayeeEdited);
    connect(m_fields.beneficiaire, &QComboBox::activated, this, &CLigneDlg::OnPayeeEdited);
    connect(m_fields.observation, &QLineEdit::textChanged, this, &CLigneDlg::OnObservationChanged);

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
                         m_reference, static_cast<QLineEdit*>(m_validity), m_fields.observation})
        e->clear();
    m_fields.signedAmount->Clear();
    for (QComboBox* c :
         {m_fields.paiement, m_fields.rubrique, m_fields.sousRubrique, m_fields.beneficiaire})
        dlg::ShowText(c, QString(), dlg::kNameChars);
    // A longer text shown at an earlier opening may have raised the limits.
    m_reference->setMaxLength(dlg::kReferenceChars);
    m_fields.observation->setMaxLength(dlg::kObservationChars);
    m_force->setChecked(false);
    m_fields.createPayee->setChecked(false);
    m_fields.createPayee->setEnabled(false);
    m_fields.SetCredit(false);
    m_fields.FillLists();
    dlg::SetTitle(this, kDialog);

    if (mode == kCorrection) {
        setWindowTitle(Filled(ids::kTitleLineCorrection, std::to_string(index + 1)));
        m_issue->SetValue(line.m_dateEmission);
        m_statement->SetValue(line.m_dateReleve);
        SetText(m_fields.paiement, line.m_paiement);
        m_force->setChecked(LineHasForcedValidity(m_doc, line));
        m_validity->SetValue(line.m_dateValidite);
        m_fields.ShowAmount(line.m_montant);
        dlg::ShowText(m_reference, FromStd(line.m_reference), dlg::kReferenceChars);
    } else if (IsCreationMode()) {
        const int titleId = mode == kManualCreation      ? ids::kTitleManualCreation
                            : mode == kAutomaticCreation ? ids::kTitleAutomaticCreation
                                                         : ids::kTitleAnticipatedCreation;
        const std::string title = index >= 0 && index < m_doc.GetMouvementCount()
                                      ? m_doc.GetMouvement(index).GetTitre()
                                      : std::string();
        setWindowTitle(Filled(titleId, title));
        m_issue->SetValue(line.m_dateEmission);
        SetText(m_fields.paiement, line.m_paiement);
        m_fields.ShowAmount(line.m_montant);
    }
    if (mode != kNew)
        m_fields.ShowNames(line.m_rubrique, line.m_sousRubrique, line.m_beneficiaire,
                           line.m_observation);
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
    return RunModal(*this);
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

void CLigneDlg::RefreshValidity() {
    if (m_force->isChecked())
        return;
    const DayDate date =
        ComputedValidity(m_doc, ToStd(m_issue->text()), ToStd(m_fields.paiement->currentText()),
                         m_fields.signedAmount->IsCredit());
    if (date != 0)
        m_validity->SetValue(date);
}

void CLigneDlg::OnValidityEdited() {
    if (!m_opened || m_force->isChecked())
        return;
    if (ValidityIsForced(m_doc, ToStd(m_issue->text()), ToStd(m_fields.paiement->currentText()),
                         m_fields.signedAmount->IsCredit(), ToStd(m_validity->text())))
        m_force->setChecked(true);
}

void CLigneDlg::OnSignChanged() {
    if (!m_opened)
        return;
    m_fields.SetCredit(m_fields.signedAmount->IsCredit());
    RefreshValidity();
}

void CLigneDlg::OnComboLeft(QComboBox* combo) {
    m_fields.OnComboLeft(combo);
    if (combo == m_fields.paiement)
        RefreshValidity();
    else if (combo == m_fields.beneficiaire)
        OnPayeeEdited();
}

void CLigneDlg::OnPayeeEdited() {
    if (m_opened)
        m_fields.OnPayeeEdited();
}

void CLigneDlg::OnObservationChanged() {
    if (!m_opened || m_completing)
        return;
    QLineEdit* observation = m_fields.observation;
    const QString typed = observation->text();
    const std::optional<std::string> rest = m_completer.OnChange(m_doc, ToStd(typed));
    if (!rest || rest->empty())
        return;
    const QString added = FromStd(*rest);
    m_completing = true;
    // An earlier observation may be longer than the field allows: show it whole.
    dlg::ShowText(observation, typed + added, dlg::kObservationChars);
    observation->setSelection(static_cast<int>(typed.size()), static_cast<int>(added.size()));
    m_completing = false;
}

bool CLigneDlg::eventFilter(QObject* watched, QEvent* event) {
    if (EntryFields::IsEnter(event)) {
        if (IsCreationMode())
            m_createLine->click();
        else
            focusNextChild();
        return true;
    }
    if (QComboBox* combo = EntryFields::LeftCombo(watched, event))
        OnComboLeft(combo);
    return QDialog::eventFilter(watched, event);
}

LineEntryTexts CLigneDlg::ReadTexts() const {
    LineEntryTexts t;
    t.issue = ToStd(m_issue->text());
    t.statement = ToStd(m_statement->text());
    t.reference = ToStd(m_reference->text());
    t.validity = ToStd(m_validity->text());
    m_fields.Read(t);
    return t;
}

QWidget* CLigneDlg::FieldWidget(EntryField field) const {
    if (field == EntryField::StatementDate)
        return m_statement;
    if (field == EntryField::ValidityDate)
        return m_validity;
    QWidget* shared = m_fields.FieldWidget(field);
    return shared ? shared : m_issue;
}

void CLigneDlg::accept() {
    if (!m_line)
        return;
    // A sign typed in front of the amount chooses "Crédit" or "Débit", which
    // the validity date follows, before anything is read.
    m_fields.signedAmount->TakeTypedSign();
    LineEntryTexts texts = ReadTexts();
    LineEntryChecks checks(m_doc, texts);
    const bool accepted = m_fields.RunChecks(
        [&] { return checks.Next(); }, [this](EntryField f) { return FieldWidget(f); },
        [&](EntryField f) {
            return CreateNamedRecord(m_creators, m_doc, f, texts.paiement, texts.rubrique,
                                     texts.sousRubrique, texts.beneficiaire, this);
        },
        [&] {
            RefreshValidity();
            texts.validity = ToStd(m_validity->text());
        });
    if (!accepted)
        return;
    *m_line = BuildLine(m_doc, texts);
    m_line = nullptr;
    QDialog::accept();
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
