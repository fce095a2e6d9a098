#include "gui/dialogs/lines/CChercherDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/StringIds.h"
#include "gui/dialogs/lines/ISearchHost.h"
#include "gui/support/CDateEdit.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/ReferenceCombos.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 195;

// Check box and value field of each criterion.
constexpr int kIssueBox = 1143, kIssueField = 1023;
constexpr int kStatementBox = 1144, kStatementField = 1024;
constexpr int kValidityBox = 1149, kValidityField = 1033;
constexpr int kAmountBox = 1146, kAmountField = 1026;
constexpr int kCreditBox = 1158, kDebitBox = 1159;
constexpr int kPaymentBox = 1145, kPaymentField = 1031;
constexpr int kReferenceBox = 1150, kReferenceField = 1032;
constexpr int kCategoryBox = 1151, kCategoryField = 1035;
constexpr int kSubcategoryBox = 1152, kSubcategoryField = 1036;
constexpr int kPayeeBox = 1153, kPayeeField = 1034;
constexpr int kObservationBox = 1154, kObservationField = 1037;

constexpr int kAnd = 1141, kOr = 1142;
constexpr int kNext = 1121, kPrevious = 1156, kReset = 1157, kClose = 2;

}  // namespace

CChercherDlg::CChercherDlg(CBelvaneDoc& doc, ISearchHost& host, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_host(host) {
    dlg::SetTitle(this, kDialog);
    setModal(false);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);

    m_issue = new CDateEdit(doc.Format(), true, kIssueField, this);
    m_statement = new CDateEdit(doc.Format(), true, kStatementField, this);
    m_validity = new CDateEdit(doc.Format(), true, kValidityField, this);
    m_amount = dlg::Edit(this, kAmountField, dlg::kAmountChars);
    m_paiement = dlg::Combo(this, kPaymentField, dlg::kNameChars);
    m_reference = dlg::Edit(this, kReferenceField, dlg::kReferenceChars);
    m_rubrique = dlg::Combo(this, kCategoryField, dlg::kNameChars);
    m_sousRubrique = dlg::Combo(this, kSubcategoryField, dlg::kNameChars);
    m_beneficiaire = dlg::Combo(this, kPayeeField, dlg::kNameChars);
    m_observation = dlg::Edit(this, kObservationField, dlg::kObservationChars);
    m_credit = dlg::CheckBox(this, kDialog, kCreditBox);
    m_debit = dlg::CheckBox(this, kDialog, kDebitBox);

    FillReferenceCombos(doc, m_paiement, m_beneficiaire, m_rubrique, m_sousRubrique);

    auto* grid = new QGridLayout;
    const auto addRow = [&](int box, QWidget* field) {
        QCheckBox* check = dlg::CheckBox(this, kDialog, box);
        const int row = grid->rowCount();
        grid->addWidget(check, row, 0);
        grid->addWidget(field, row, 1);
        m_criteria.push_back({check, field});
        return check;
    };
    QCheckBox* issueBox = addRow(kIssueBox, m_issue);
    QCheckBox* statementBox = addRow(kStatementBox, m_statement);
    QCheckBox* validityBox = addRow(kValidityBox, m_validity);
    QCheckBox* amountBox = addRow(kAmountBox, m_amount);
    auto* signs = new QHBoxLayout;
    signs->addWidget(m_credit);
    signs->addWidget(m_debit);
    signs->addStretch();
    grid->addLayout(signs, grid->rowCount(), 1);
    m_criteria.push_back({m_credit, nullptr});
    m_criteria.push_back({m_debit, nullptr});
    QCheckBox* paiementBox = addRow(kPaymentBox, m_paiement);
    QCheckBox* referenceBox = addRow(kReferenceBox, m_reference);
    QCheckBox* rubriqueBox = addRow(kCategoryBox, m_rubrique);
    QCheckBox* sousRubriqueBox = addRow(kSubcategoryBox, m_sousRubrique);
    QCheckBox* beneficiaireBox = addRow(kPayeeBox, m_beneficiaire);
    QCheckBox* observationBox = addRow(kObservationBox, m_observation);
    grid->setColumnStretch(1, 1);

    m_and = dlg::Radio(this, kDialog, kAnd);
    m_or = dlg::Radio(this, kDialog, kOr);
    m_and->setChecked(true);
    auto* modes = new QHBoxLayout;
    modes->addWidget(m_and);
    modes->addWidget(m_or);
    modes->addStretch();

    QPushButton* next = dlg::Button(this, kDialog, kNext);
    next->setDefault(true);
    QPushButton* previous = dlg::Button(this, kDialog, kPrevious);
    QPushButton* reset = dlg::Button(this, kDialog, kReset);
    QPushButton* close = dlg::Button(this, kDialog, kClose);
    QPushButton* help = dlg::Button(this, kDialog, dlg::kHelpButton);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {next, previous, reset, close, help})
        buttons->addWidget(b);
    buttons->addStretch();

    // Tab follows the rows as drawn: a criterion's box, its field, the next row;
    // then the combination and the buttons.
    QWidget* previousInChain = nullptr;
    const auto chain = [&previousInChain](QWidget* w) {
        if (previousInChain)
            QWidget::setTabOrder(previousInChain, w);
        previousInChain = w;
    };
    for (const Criterion& criterion : m_criteria) {
        chain(criterion.box);
        if (criterion.field)
            chain(criterion.field);
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_and, m_or, next, previous, reset, close, help})
        chain(w);

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addLayout(modes);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    // Typing in a value field ticks its box.
    for (auto [edit, box] : {std::pair<QLineEdit*, QCheckBox*>{m_issue, issueBox},
                             {m_statement, statementBox},
                             {m_validity, validityBox},
                             {m_amount, amountBox},
                             {m_reference, referenceBox},
                             {m_observation, observationBox}}) {
        connect(edit, &QLineEdit::textChanged, this, [this, box = box] { Tick(box); });
    }
    for (auto [combo, box] : {std::pair<QComboBox*, QCheckBox*>{m_paiement, paiementBox},
                              {m_rubrique, rubriqueBox},
                              {m_sousRubrique, sousRubriqueBox},
                              {m_beneficiaire, beneficiaireBox}}) {
        connect(combo, &QComboBox::editTextChanged, this, [this, box = box] { Tick(box); });
        connect(combo, &QComboBox::activated, this, [this, box = box] { Tick(box); });
        combo->installEventFilter(this);
    }

    connect(next, &QPushButton::clicked, this, [this] { Search(1); });
    connect(previous, &QPushButton::clicked, this, [this] { Search(-1); });
    connect(reset, &QPushButton::clicked, this, &CChercherDlg::Reset);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [] { dlg::ShowHelp(QStringLiteral("dialog-195")); });
}

void CChercherDlg::Tick(QCheckBox* box) {
    if (!m_quiet)
        box->setChecked(true);
}

bool CChercherDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (auto* combo = qobject_cast<QComboBox*>(watched)) {
            const bool wasQuiet = m_quiet;
            m_quiet = true;  // taking the list's letter case is not typing
            dlg::TakeEntryCase(combo);
            if (combo == m_rubrique)
                FillSousRubriqueCombo(m_doc, m_rubrique, m_sousRubrique);
            m_quiet = wasQuiet;
        }
    }
    return QDialog::eventFilter(watched, event);
}

QString CChercherDlg::FieldText(const QWidget* field) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(field))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(field))
        return combo->currentText();
    return {};
}

SearchCriteria CChercherDlg::Criteria() const {
    SearchCriteria c;
    c.mode = m_or->isChecked() ? SearchCriteria::Mode::Or : SearchCriteria::Mode::And;
    if (Ticked(m_issue))
        c.issueDate = m_issue->Value();
    if (Ticked(m_statement))
        c.statementDate = m_statement->Value();
    if (Ticked(m_validity))
        c.validityDate = m_validity->Value();
    if (Ticked(m_amount))
        c.amount = m_doc.Format().ParseAmount(ToStd(m_amount->text())).cents;
    c.credit = m_credit->isChecked();
    c.debit = m_debit->isChecked();
    const auto text = [&](const QWidget* field, std::optional<std::string>& out) {
        if (Ticked(field))
            out = ToStd(FieldText(field));
    };
    text(m_paiement, c.paiement);
    text(m_reference, c.reference);
    text(m_rubrique, c.rubrique);
    text(m_sousRubrique, c.sousRubrique);
    text(m_beneficiaire, c.beneficiaire);
    text(m_observation, c.observation);
    return c;
}

bool CChercherDlg::Ticked(const QWidget* field) const {
    for (const Criterion& criterion : m_criteria)
        if (criterion.field == field)
            return criterion.box->isChecked();
    return false;
}

bool CChercherDlg::ValuesRead() {
    for (CDateEdit* date : {m_issue, m_statement, m_validity})
        if (Ticked(date) && !date->Check())
            return false;
    if (!Ticked(m_amount))
        return true;
    // A sign typed in front of the amount ticks "&Crédit" or "&Débit" instead.
    const TypedAmount typed = m_doc.Format().ParseAmount(ToStd(m_amount->text()));
    if (!typed.IsRead()) {
        dlg::Refuse(this, typed.Refusal());
        dlg::FocusField(m_amount);
        return false;
    }
    if (typed.sign != 0) {
        m_amount->setText(m_amount->text().mid(1));
        m_credit->setChecked(typed.sign > 0);
        m_debit->setChecked(typed.sign < 0);
    }
    return true;
}

int CChercherDlg::Search(int step) {
    if (!ValuesRead())
        return -1;
    const int found = FindLine(m_doc, Criteria(), m_host.SearchFrom(), step);
    if (found < 0 || !m_host.SelectFound(found)) {
        dlg::Beep();
        m_host.ShowStatusText(CResources::Str(ids::kMsgSearchFoundNothing));
        return -1;
    }
    return found;
}

void CChercherDlg::Reset() {
    m_quiet = true;
    for (const Criterion& criterion : m_criteria) {
        if (auto* edit = qobject_cast<QLineEdit*>(criterion.field))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(criterion.field))
            combo->setEditText(QString());
    }
    m_quiet = false;
    for (const Criterion& criterion : m_criteria)
        criterion.box->setChecked(false);
}

}  // namespace belvane
