#include "gui/dialogs/lists/CRubriqueDlg.h"

#include "core/CBelvaneDoc.h"
#include "core/ReferenceLists.h"
#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/EntryName.h"
#include "gui/support/SignedAmountField.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace belvane {

CRubriqueDlg::CRubriqueDlg(const CBelvaneDoc& doc, CRubrique& rubrique, bool nouveau,
                           QWidget* parent)
    : CRubriqueDlg(doc, kRubrique, -1, rubrique.m_nom, rubrique.m_montantInitial, nouveau, parent) {
}

CRubriqueDlg::CRubriqueDlg(const CBelvaneDoc& doc, int rubrique, CSousRubrique& sousRubrique,
                           bool nouveau, QWidget* parent)
    : CRubriqueDlg(doc, kSousRubrique, rubrique, sousRubrique.m_nom, sousRubrique.m_montantInitial,
                   nouveau, parent) {}

CRubriqueDlg::CRubriqueDlg(const CBelvaneDoc& doc, const Form& form, int rubrique, std::string& nom,
                           Amount& montant, bool nouveau, QWidget* parent)
    : QDialog(parent),
      m_doc(doc),
      m_form(form),
      m_rubrique(rubrique),
      m_nom(nom),
      m_montant(montant),
      m_nouveau(nouveau) {
    dlg::SetEntryTitle(this, form.dialog, nouveau, form.correctionTitle);

    auto* layout = new QVBoxLayout(this);
    if (rubrique >= 0) {
        // The parent category: its caption, then its name.
        auto* caption = new QLabel(dlg::Text(form.dialog, 1035), this);
        caption->setObjectName(QStringLiteral("label1035"));
        const bool known = rubrique < doc.GetRubriqueCount();
        auto* parentName = dlg::Named(
            new QLabel(known ? FromStd(doc.GetRubrique(rubrique).GetNom()) : QString(), this),
            1035);
        parentName->setTextFormat(Qt::PlainText);
        auto* parentRow = new QHBoxLayout;
        parentRow->addWidget(caption);
        parentRow->addWidget(parentName, 1);
        layout->addLayout(parentRow);
    }
    m_name = dlg::NameEdit(this, form.nameControl, nom);
    m_amount = new SignedAmountField(doc.Format(), this, form.dialog);
    // A new record at 0 shows an empty field.
    m_amount->Show(montant, !nouveau, true);
    m_rename = dlg::CheckBox(this, form.dialog, 1115);
    m_rename->setChecked(!nouveau);
    m_rename->setVisible(!nouveau);

    layout->addWidget(dlg::Label(this, form.dialog, form.nameControl, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, form.dialog, 1026, m_amount->Edit()));
    layout->addLayout(m_amount->NewRow());
    layout->addWidget(m_rename);
    layout->addLayout(dlg::OkCancelRow(this, form.dialog));
    setMinimumWidth(340);
}

bool CRubriqueDlg::RenameEverywhere() const {
    return !m_nouveau && m_rename->isChecked() && result() == QDialog::Accepted;
}

void CRubriqueDlg::accept() {
    const NameTaken taken = [this](std::string_view nom) {
        return m_rubrique < 0 ? HasRubrique(m_doc, nom) : HasSousRubrique(m_doc, m_rubrique, nom);
    };
    const auto name = dlg::AcceptName(this, m_name, {m_form.emptyName, m_form.takenName}, taken);
    if (!name)
        return;
    if (!m_amount->Check())
        return;
    m_nom = *name;
    m_montant = m_amount->Value();
    QDialog::accept();
}

}  // namespace belvane
