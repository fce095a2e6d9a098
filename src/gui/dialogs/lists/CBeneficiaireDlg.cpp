#include "gui/dialogs/lists/CBeneficiaireDlg.h"

#include "core/ReferenceLists.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/EntryName.h"
#include "gui/support/LimitedTextEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 171;

}  // namespace

CBeneficiaireDlg::CBeneficiaireDlg(const CBelvaneDoc& doc, CBeneficiaire& beneficiaire,
                                   bool nouveau, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_beneficiaire(beneficiaire) {
    dlg::SetEntryTitle(this, kDialog, nouveau, 10056);
    m_name = dlg::NameEdit(this, 1034, beneficiaire.m_nom);
    m_phone = dlg::Edit(this, 1089, dlg::kNameChars);
    dlg::ShowText(m_phone, FromStd(beneficiaire.m_telephone), dlg::kNameChars);
    m_address = dlg::Named(new LimitedTextEdit(kAddressChars, this), 1090);
    m_address->SetStoredText(FromStd(beneficiaire.m_adresse));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dlg::Label(this, kDialog, 1034, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, kDialog, 1089, m_phone));
    layout->addWidget(m_phone);
    layout->addWidget(dlg::Label(this, kDialog, 1090, m_address));
    layout->addWidget(m_address, 1);
    layout->addLayout(dlg::OkCancelRow(this, kDialog));
    setMinimumWidth(360);
}

void CBeneficiaireDlg::accept() {
    const auto name = dlg::AcceptName(this, m_name, {10006, 10007}, [this](std::string_view nom) {
        return HasBeneficiaire(m_doc, nom);
    });
    if (!name)
        return;
    m_beneficiaire.Set(*name, ToStd(m_phone->text()), ToStd(m_address->StoredText()));
    QDialog::accept();
}

}  // namespace belvane
