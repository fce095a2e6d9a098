#include "app/CBeneficiaireDlg.h"

#include "app/CResources.h"
#include "app/DialogSupport.h"
#include "core/ReferenceLists.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 171;

}  // namespace

CBeneficiaireDlg::CBeneficiaireDlg(const CBelvaneDoc& doc, CBeneficiaire& beneficiaire,
                                   bool nouveau, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_beneficiaire(beneficiaire) {
    if (nouveau)
        dlg::SetTitle(this, kDialog);
    else
        setWindowTitle(CResources::Str(10056));

    m_name = dlg::Edit(this, 1034, dlg::kNameChars);
    m_name->setText(dlg::FromStd(beneficiaire.m_nom));
    m_phone = dlg::Edit(this, 1089, dlg::kNameChars);
    m_phone->setText(dlg::FromStd(beneficiaire.m_telephone));
    m_address = dlg::Named(new QPlainTextEdit(this), 1090);
    m_address->setTabChangesFocus(true);
    // Stored with CR LF line breaks, edited with plain ones.
    m_address->setPlainText(
        dlg::FromStd(beneficiaire.m_adresse).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    LimitAddress();
    connect(m_address, &QPlainTextEdit::textChanged, this, &CBeneficiaireDlg::LimitAddress);

    auto* ok = dlg::Named(new QPushButton(dlg::Text(kDialog, 1), this), 1);
    ok->setDefault(true);
    auto* cancel = dlg::Named(new QPushButton(dlg::Text(kDialog, 2), this), 2);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &CBeneficiaireDlg::accept);
    connect(cancel, &QPushButton::clicked, this, &CBeneficiaireDlg::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dlg::Label(this, kDialog, 1034, m_name));
    layout->addWidget(m_name);
    layout->addWidget(dlg::Label(this, kDialog, 1089, m_phone));
    layout->addWidget(m_phone);
    layout->addWidget(dlg::Label(this, kDialog, 1090, m_address));
    layout->addWidget(m_address, 1);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void CBeneficiaireDlg::LimitAddress() {
    const QString text = m_address->toPlainText();
    if (text.size() <= kAddressChars)
        return;
    const QSignalBlocker block(m_address);
    m_address->setPlainText(text.left(kAddressChars));
    m_address->moveCursor(QTextCursor::End);
}

void CBeneficiaireDlg::accept() {
    const std::string name = dlg::ToStd(m_name->text());
    const int refusal = name.empty() ? 10006 : HasBeneficiaire(m_doc, name) ? 10007 : 0;
    if (refusal != 0) {
        dlg::Refuse(this, refusal);
        dlg::FocusField(m_name);
        return;
    }
    QString address = m_address->toPlainText();
    address.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    m_beneficiaire.Set(name, dlg::ToStd(m_phone->text()), dlg::ToStd(address));
    QDialog::accept();
}

}  // namespace belvane
