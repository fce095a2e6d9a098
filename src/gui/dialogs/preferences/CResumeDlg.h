#pragma once

#include "core/Types.h"

#include <QDialog>

#include <array>
#include <string>

class QLineEdit;

namespace belvane {

class CBelvaneDoc;
struct Resume;
class SignedAmountField;
class LimitedTextEdit;

// The account's summary (dialog 177, title string 10057 with the register's
// title): bank "1095", branch "1096", account number "1097", card numbers
// "1098", holders "1099", annotations "1100" (several lines) and the initial
// amount "1026" without sign, with "&Crédit" "1029" / "&Débit" "1030".
class CResumeDlg : public QDialog {
    Q_OBJECT

public:
    explicit CResumeDlg(const CBelvaneDoc& doc, QWidget* parent = nullptr);

    // What the dialog shows: the amount signed, 0 when it does not read.
    Resume Values() const;

public slots:
    // Refuses an amount beyond what a register holds.
    void accept() override;

private:
    std::array<QLineEdit*, 5> m_edits{};
    LimitedTextEdit* m_annotations = nullptr;
    SignedAmountField* m_amount = nullptr;
};

}  // namespace belvane
