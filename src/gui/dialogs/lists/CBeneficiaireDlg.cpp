#include "gui/dialogs/lists/CBeneficiaireDlg.h"

#include "core/ReferenceLists.h"
#include "gui/support/DialogSupport.h"
#include "gui/support/EntryName.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace belvane {

namespace {

constexpr int kDialog = 171;

// Characters of the address as stored, with CR LF line breaks.
int StoredLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(u'\n'));
}

}  // namespace

CBeneficiaireDlg::CBeneficiaireDlg(const CBelvaneDoc& doc, CBeneficiaire& beneficiaire,
                                   bool nouveau, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_beneficiaire(beneficiaire) {
    dlg::SetEntryTitle(this, kDialog, nouveau, 10056);
    m_name = dlg::NameEdit(this, 1034, beneficiaire.m_nom);
    m_phone = dlg::Edit(this, 1089, dlg::kNameChars);
    dlg::ShowText(m_phone, FromStd(beneficiaire.m_telephone), dlg::kNameChars);
    m_address = dlg::Named(new QPlainTextEdit(this), 1090);
    m_address->setTabChangesFocus(true);
    // Stored with CR LF line breaks, edited with plain ones.
    m_address->setPlainText(
        FromStd(beneficiaire.m_adresse).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_lastAddress = m_address->toPlainText();
    m_addressLimit = std::max<int>(kAddressChars, StoredLength(m_lastAddress));
    connect(m_address, &QPlainTextEdit::textChanged, this, &CBeneficiaireDlg::LimitAddress);

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

void CBeneficiaireDlg::LimitAddress() {
    const QString text = m_address->toPlainText();
    if (StoredLength(text) <= m_addressLimit) {
        m_lastAddress = text;
        return;
    }
    // A full field refuses what is typed or pasted, as an edit control does,
    // rather than losing the end of the address.
    const int caret =
        m_address->textCursor().position() - static_cast<int>(text.size() - m_lastAddress.size());
    const QSignalBlocker block(m_address);
    m_address->setPlainText(m_lastAddress);
    QTextCursor cursor = m_address->textCursor();
    cursor.setPosition(std::clamp(caret, 0, static_cast<int>(m_lastAddress.size())));
    m_address->setTextCursor(cursor);
    dlg::Beep();
}

void CBeneficiaireDlg::accept() {
    const auto name = dlg::AcceptName(this, m_name, {10006, 10007}, [this](std::string_view nom) {
        return HasBeneficiaire(m_doc, nom);
    });
    if (!name)
        return;
    QString address = m_address->toPlainText();
    address.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    m_beneficiaire.Set(*name, ToStd(m_phone->text()), ToStd(address));
    QDialog::accept();
}

}  // namespace belvane
