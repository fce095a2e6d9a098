#include "gui/dialogs/movements/CMouvementDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/SignedAmountField.h"
#include "rules/LineEntry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
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
constexpr int kPaiement = 1031;
constexpr int kRubrique = 1035;
constexpr int kSousRubrique = 1036;
constexpr int kObservation = 1037;
constexpr int kOk = 1038;
constexpr int kCancel = 2;

// Two digits, and one more so that a longer number is refused rather than cut.
constexpr int kNumberChars = 3;

// Strings.

}  // namespace

CMouvementDlg::CMouvementDlg(CBelvaneDoc& doc, CMouvementAuto& mouvement, int mode, QWidget* parent)
    : CMouvementDlg(doc, mouvement, mode, DialogCreators(), parent) {}

CMouvementDlg::CMouvementDlg(CBelvaneDoc& doc, CMouvementAuto& mouvement, int mode,
                             RecordCreators creators, QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_mouvement(mouvement),
      m_mode(mode),
      m_creators(std::move(creators)),
      m_fields(doc, this, kDialog) {
    Build();
    m_fields.SetCredit(false);
    m_fields.FillLists();
    if (mode == kCorrection) {
        setWindowTitle(CResources::Str(ids::kTitleMovementCorrection));
        Show(mouvement);
    }
    m_titre->setFocus(Qt::OtherFocusReason);
}

void CMouvementDlg::Build() {
    dlg::SetTitle(this, kDialog);
    // Widgets are made in the order the keyboard visits them.
    m_titre = dlg::Edit(this, kTitre, dlg::kNameChars);
    m_nextDate = new CDateEdit(m_doc.Format(), true, kNextDate, this);
    m_months = dlg::Edit(this, kMonths, kNumberChars);
    m_day = dlg::Edit(this, kDay, kNumberChars);
    m_fields.BuildAmount();
    m_fields.BuildNames();
    m_fields.createPayee->setEnabled(false);
    QPushButton* ok = dlg::Button(this, kDialog, kOk);
    QPushButton* cancel = dlg::Button(this, kDialog, kCancel);
    const EntryFields& f = m_fields;

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
    grid->addWidget(dlg::Label(this, kDialog, kAmount, f.amount), row, 0);
    grid->addWidget(f.amount, row, 1);
    grid->addLayout(f.signRow, row++, 2);
    add(kPaiement, f.paiement);
    add(kRubrique, f.rubrique);
    add(kSousRubrique, f.sousRubrique);
    grid->addWidget(f.payeeLabel, row, 0);
    grid->addWidget(f.beneficiaire, row, 1);
    grid->addWidget(f.createPayee, row++, 2);
    add(kObservation, f.observation);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    for (QWidget* w : std::initializer_list<QWidget*>{m_titre, m_nextDate, m_months, m_day})
        w->installEventFilter(this);

    connect(f.signedAmount, &SignedAmountField::signChanged, this,
            [this](bool credit) { m_fields.SetCredit(credit); });
    const auto payeeEdited = [this] { m_fields.OnPayeeEdited(); };
    connect(f.beneficiaire, &QComboBox::editTextChanged, this, payeeEdited);
    connect(f.beneficiaire, &QComboBox::activated, this, payeeEdited);
    connect(ok, &QPushButton::clicked, this, &CMouvementDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CMouvementDlg::reject);
}

void CMouvementDlg::Show(const CMouvementAuto& m) {
    dlg::ShowText(m_titre, FromStd(m.m_titre), dlg::kNameChars);
    m_nextDate->SetValue(m.m_prochaineDate);
    m_months->setText(QString::number(m.m_nbMois));
    m_day->setText(QString::number(m.m_jour));
    dlg::ShowText(m_fields.paiement, FromStd(m.m_paiement), dlg::kNameChars);
    m_fields.ShowAmount(m.m_montant);
    m_fields.ShowNames(m.m_rubrique, m.m_sousRubrique, m.m_beneficiaire, m.m_observation);
}

bool CMouvementDlg::eventFilter(QObject* watched, QEvent* event) {
    // Enter moves to the next field; only "OK" stores.
    if (EntryFields::IsEnter(event)) {
        focusNextChild();
        return true;
    }
    if (QComboBox* combo = EntryFields::LeftCombo(watched, event)) {
        m_fields.OnComboLeft(combo);
        if (combo == m_fields.beneficiaire)
            m_fields.OnPayeeEdited();
    }
    return QDialog::eventFilter(watched, event);
}

MovementEntryTexts CMouvementDlg::ReadTexts() const {
    MovementEntryTexts t;
    t.titre = ToStd(m_titre->text());
    t.nextDate = ToStd(m_nextDate->text());
    t.months = ToStd(m_months->text());
    t.day = ToStd(m_day->text());
    m_fields.Read(t);
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
        default:
            break;
    }
    QWidget* shared = m_fields.FieldWidget(field);
    return shared ? shared : m_titre;
}

void CMouvementDlg::accept() {
    m_fields.signedAmount->TakeTypedSign();
    const MovementEntryTexts texts = ReadTexts();
    MovementEntryChecks checks(m_doc, texts);
    const auto create = [&](EntryField f) {
        return CreateNamedRecord(m_creators, m_doc, f, texts.paiement, texts.rubrique,
                                 texts.sousRubrique, texts.beneficiaire, this);
    };
    // A movement has no validity date to refresh.
    if (!m_fields.RunChecks([&] { return checks.Next(); },
                            [this](EntryField f) { return FieldWidget(f); }, create, [] {}))
        return;
    m_mouvement = BuildMovement(m_doc, texts);
    QDialog::accept();
}

}  // namespace belvane
