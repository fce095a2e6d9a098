#include "app/CRubriqueDlg.h"

#include "app/CResources.h"
#include "app/DialogSupport.h"
#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "core/ValueFormat.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 182;

}  // namespace

CRubriqueDlg::CRubriqueDlg(const CBelvaneDoc& doc, CRubrique& rubrique, bool nouveau,
                           QWidget* parent)
    : QDialog(parent), m_doc(doc), m_rubrique(rubrique), m_nouveau(nouveau) {
    if (nouveau)
        dlg::SetTitle(this, kDialog);
    else
        setWindowTitle(CResources::Str(10058));

    m_name = dlg::Edit(this, 1035, dlg::kNameChars);
    dlg::ShowText(m_name, dlg::FromStd(rubrique.m_nom), dlg::kNameChars);
    m_amount = dlg::Edit(this, 1026, dlg::kAmountChars);
    // A new category without an amount shows an empty field; the sign is the
    // radio buttons' business.
    if (!nouveau || rubrique.m_montantInitial != 0)
        dlg::ShowText(m_amount, dlg::FromStd(doc.FormatAmount(rubrique.m_montantInitial, false, 0)),
                      dlg::kAmountChars);
    m_credit = dlg::Radio(this, kDialog, 1029);
    m_debit = dlg::Radio(this, kDialog, 1030);
    (rubrique.m_montantInitial < 0 ? m_debit : m_credit)->setChecked(true);
    m_rename = dlg::CheckBox(this, kDialog, 1115);
    m_rename->setChecked(!nouveau);
    m_rename->setVisible(!nouveau);

    auto* ok = dlg::Named(new QPushButton(dlg::Text(kDialog, 1), this), 1);
    ok->setDefault(true);
    auto* cancel = dlg::Named(new QPushButton(dlg::Text(kDialog, 2), this), 2);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CRubriqueDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CRubriqueDlg::reject);

    auto* amountRow = new QHBoxLayout;
    amountRow->addWidget(m_amount);
    amountRow->addWidget(m_credit);
    amountRow->addWidget(m_debit);
    amountRow->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dlg::Label(this, kDialog, 1035, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, kDialog, 1026, m_amount));
    layout->addLayout(amountRow);
    layout->addWidget(m_rename);
    layout->addLayout(buttons);
    setMinimumWidth(340);
}

bool CRubriqueDlg::RenameEverywhere() const {
    return !m_nouveau && m_rename->isChecked() && result() == QDialog::Accepted;
}

void CRubriqueDlg::accept() {
    const std::string name = dlg::ToStd(m_name->text());
    const int refusal = name.empty() ? 10009 : HasRubrique(m_doc, name) ? 10010 : 0;
    if (refusal != 0) {
        dlg::Refuse(this, refusal);
        dlg::FocusField(m_name);
        return;
    }
    const Amount amount = ParseAmount(dlg::ToStd(m_amount->text()));
    m_rubrique.m_nom = name;
    m_rubrique.m_montantInitial = m_debit->isChecked() ? -amount : amount;
    QDialog::accept();
}

}  // namespace belvane
