#include "app/CSousRubriqueDlg.h"

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

constexpr int kDialog = 183;

}  // namespace

CSousRubriqueDlg::CSousRubriqueDlg(const CBelvaneDoc& doc, int rubrique,
                                   CSousRubrique& sousRubrique, bool nouveau, QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_rubriqueIndex(rubrique),
      m_sousRubrique(sousRubrique),
      m_nouveau(nouveau) {
    if (nouveau)
        dlg::SetTitle(this, kDialog);
    else
        setWindowTitle(CResources::Str(10059));

    auto* parentCaption = new QLabel(dlg::Text(kDialog, 1035), this);
    parentCaption->setObjectName(QStringLiteral("label1035"));
    const bool known = rubrique >= 0 && rubrique < doc.GetRubriqueCount();
    auto* parentName = dlg::Named(
        new QLabel(known ? dlg::FromStd(doc.GetRubrique(rubrique).GetNom()) : QString(), this),
        1035);
    parentName->setTextFormat(Qt::PlainText);

    m_name = dlg::Edit(this, 1036, dlg::kNameChars);
    dlg::ShowText(m_name, dlg::FromStd(sousRubrique.m_nom), dlg::kNameChars);
    m_amount = dlg::Edit(this, 1026, dlg::kAmountChars);
    if (!nouveau || sousRubrique.m_montantInitial != 0)
        dlg::ShowText(m_amount,
                      dlg::FromStd(doc.FormatAmount(sousRubrique.m_montantInitial, false, 0)),
                      dlg::kAmountChars);
    m_credit = dlg::Radio(this, kDialog, 1029);
    m_debit = dlg::Radio(this, kDialog, 1030);
    (sousRubrique.m_montantInitial < 0 ? m_debit : m_credit)->setChecked(true);
    m_rename = dlg::CheckBox(this, kDialog, 1115);
    m_rename->setChecked(!nouveau);
    m_rename->setVisible(!nouveau);

    auto* ok = dlg::Named(new QPushButton(dlg::Text(kDialog, 1), this), 1);
    ok->setDefault(true);
    auto* cancel = dlg::Named(new QPushButton(dlg::Text(kDialog, 2), this), 2);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CSousRubriqueDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CSousRubriqueDlg::reject);

    auto* parentRow = new QHBoxLayout;
    parentRow->addWidget(parentCaption);
    parentRow->addWidget(parentName, 1);
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
    layout->addLayout(parentRow);
    layout->addWidget(dlg::Label(this, kDialog, 1036, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, kDialog, 1026, m_amount));
    layout->addLayout(amountRow);
    layout->addWidget(m_rename);
    layout->addLayout(buttons);
    setMinimumWidth(340);
}

bool CSousRubriqueDlg::RenameEverywhere() const {
    return !m_nouveau && m_rename->isChecked() && result() == QDialog::Accepted;
}

void CSousRubriqueDlg::accept() {
    const std::string name = dlg::ToStd(m_name->text());
    const int refusal = name.empty()                                    ? 10011
                        : HasSousRubrique(m_doc, m_rubriqueIndex, name) ? 10012
                                                                        : 0;
    if (refusal != 0) {
        dlg::Refuse(this, refusal);
        dlg::FocusField(m_name);
        return;
    }
    const Amount amount = ParseAmount(dlg::ToStd(m_amount->text()));
    m_sousRubrique.Set(name, m_debit->isChecked() ? -amount : amount);
    QDialog::accept();
}

}  // namespace belvane
