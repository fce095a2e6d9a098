#pragma once

#include "core/CBeneficiaire.h"

#include <QDialog>

class QLineEdit;

namespace belvane {

class CBelvaneDoc;
class LimitedTextEdit;

// The payee entry dialog (dialog 171): name, phone and address. It writes the
// record only when it closes with OK; adding it to the register is the caller's
// part. Child object names: "1034" name, "1089" phone, "1090" address, "1" OK,
// "2" Cancel.
class CBeneficiaireDlg : public QDialog {
    Q_OBJECT

public:
    // The address keeps at most this many characters as stored (a line break
    // counts two: CR LF). A longer address from a file is kept whole.
    static constexpr int kAddressChars = 1024;

    // `nouveau`: a new payee, else a correction (title string 10056).
    CBeneficiaireDlg(const CBelvaneDoc& doc, CBeneficiaire& beneficiaire, bool nouveau,
                     QWidget* parent = nullptr);

public slots:
    // Refuses an empty name (10006) and a name another payee has, letter case
    // ignored (10007), with the focus on the name.
    void accept() override;

private:
    const CBelvaneDoc& m_doc;
    CBeneficiaire& m_beneficiaire;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_phone = nullptr;
    LimitedTextEdit* m_address = nullptr;
};

}  // namespace belvane
