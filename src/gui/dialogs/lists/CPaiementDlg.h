#pragma once

#include "core/CPaiement.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;

namespace belvane {

class CBelvaneDoc;

// The payment-method entry dialog (dialog 164): the name, the validation method
// and its parameters, laid out per method. It writes the record only when it
// closes with OK; adding the record to the register is the caller's part.
// Child object names: "1031" name, "1033" method list, "1069"/"1071" parameter
// labels, "1070"/"1072" parameter fields, "1080"/"1081" their spin buttons
// (children "up" and "down"), "1" OK, "2" Cancel.
class CPaiementDlg : public QDialog {
    Q_OBJECT

public:
    // `nouveau`: a new method (title of the dialog), else a correction (string 10051).
    CPaiementDlg(const CBelvaneDoc& doc, CPaiement& paiement, bool nouveau,
                 QWidget* parent = nullptr);

public slots:
    // Checks the fields in order; the first failure shows its message, puts the
    // focus on its field and keeps the dialog open.
    void accept() override;

private:
    class SpinButtons;

    // Shows the parameter controls the selected method uses, with the values the
    // record had when the dialog opened.
    void LayoutParameters();

    const CBelvaneDoc& m_doc;
    CPaiement& m_paiement;
    const CPaiement m_opened;
    QLineEdit* m_name = nullptr;
    QComboBox* m_method = nullptr;
    QLabel* m_label1 = nullptr;
    QLineEdit* m_edit1 = nullptr;
    SpinButtons* m_spin1 = nullptr;
    QLabel* m_label2 = nullptr;
    QLineEdit* m_edit2 = nullptr;
    SpinButtons* m_spin2 = nullptr;
};

}  // namespace belvane
