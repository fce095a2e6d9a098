#pragma once

#include <QDialog>

class QLineEdit;
class QPlainTextEdit;

namespace belvane {

class CBelvaneDoc;
class CBeneficiaire;

// The payees list dialog (dialog 169): the payees in the user's order, the
// phone and address of the selected one, "Nouveau", "Modifier" (also a
// double-click), "Supprimer", "Monter", "Descendre" and the two sorts. Every
// change goes to the register at once; "Fermer" only closes. Child object names:
// "1034" list, "1062" Nouveau, "1063" Modifier, "1064" Supprimer, "1087" Monter,
// "1088" Descendre, "1215" A-Z, "1216" Z-A, "1089" phone, "1090" address, "57670"
// Aide, "2" Fermer.
class CBeneficiairesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CBeneficiairesDlg(CBelvaneDoc& doc, QWidget* parent = nullptr);

protected:
    // Runs the entry dialog on `beneficiaire`; true when it closed with OK.
    virtual bool EditBeneficiaire(CBeneficiaire& beneficiaire, bool nouveau);

private:
    // Shows the phone and address of payee `row` (-1: none).
    void ShowDetails(int row);

    CBelvaneDoc& m_doc;
    QLineEdit* m_phone = nullptr;
    QPlainTextEdit* m_address = nullptr;
};

}  // namespace belvane
