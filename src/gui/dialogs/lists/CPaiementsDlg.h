#pragma once

#include <QDialog>

namespace belvane {

class CBelvaneDoc;
class CPaiement;

// The payment methods list dialog (dialog 157): the methods of the register in
// name order, with "Nouveau", "Modifier" (also a double-click) and "Supprimer".
// Every change goes to the register at once; "Fermer" only closes. Child object
// names: "1031" list, "1062" Nouveau, "1063" Modifier, "1064" Supprimer, "57670"
// Aide, "2" Fermer.
class CPaiementsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPaiementsDlg(CBelvaneDoc& doc, QWidget* parent = nullptr);

protected:
    // Runs the entry dialog on `paiement`; true when it closed with OK.
    virtual bool EditPaiement(CPaiement& paiement, bool nouveau);

private:
    CBelvaneDoc& m_doc;
};

}  // namespace belvane
