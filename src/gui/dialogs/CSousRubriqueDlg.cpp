#include "gui/dialogs/CSousRubriqueDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/InitialAmountField.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
    m_amount = new InitialAmountField(doc, kDialog, sousRubrique.m_montantInitial, nouveau, this);
    m_rename = dlg::CheckBox(this, kDialog, 1115);
    m_rename->setChecked(!nouveau);
    m_rename->setVisible(!nouveau);

    auto* parentRow = new QHBoxLayout;
    parentRow->addWidget(parentCaption);
    parentRow->addWidget(parentName, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(parentRow);
    layout->addWidget(dlg::Label(this, kDialog, 1036, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, kDialog, 1026, m_amount->AmountEdit()));
    layout->addWidget(m_amount);
    layout->addWidget(m_rename);
    layout->addLayout(dlg::OkCancelRow(this, kDialog));
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
    if (!m_amount->Check())
        return;
    m_sousRubrique.Set(name, m_amount->Value());
    QDialog::accept();
}

}  // namespace belvane
