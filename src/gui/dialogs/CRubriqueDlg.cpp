#include "gui/dialogs/CRubriqueDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/InitialAmountField.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
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
    m_amount = new InitialAmountField(doc, kDialog, rubrique.m_montantInitial, nouveau, this);
    m_rename = dlg::CheckBox(this, kDialog, 1115);
    m_rename->setChecked(!nouveau);
    m_rename->setVisible(!nouveau);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dlg::Label(this, kDialog, 1035, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, kDialog, 1026, m_amount->AmountEdit()));
    layout->addWidget(m_amount);
    layout->addWidget(m_rename);
    layout->addLayout(dlg::OkCancelRow(this, kDialog));
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
    if (!m_amount->Check())
        return;
    m_rubrique.m_nom = name;
    m_rubrique.m_montantInitial = m_amount->Value();
    QDialog::accept();
}

}  // namespace belvane
