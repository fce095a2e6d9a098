#pragma once

#include <QDialog>

namespace belvane {

class CBelvaneDoc;
class CMouvementAuto;

// The recurring movements list dialog (dialog 184): the movements of the
// register in title order, with "Nouveau", "Modifier" (also a double-click) and
// "Supprimer". A movement being modified is taken out of the register and put
// back at its title's place whether the entry dialog ended with OK or not. Every
// change goes to the register at once; "Fermer" only closes. Child object names:
// "1117" list, "1062" Nouveau, "1063" Modifier, "1064" Supprimer, "57670" Aide,
// "2" Fermer.
class CMouvementsDlg : public QDialog {
    Q_OBJECT

public:
    explicit CMouvementsDlg(CBelvaneDoc& doc, QWidget* parent = nullptr);

protected:
    // Runs the entry dialog on `mouvement`; true when it closed with OK (and
    // the movement was filled).
    virtual bool EditMouvement(CMouvementAuto& mouvement, bool nouveau);

private:
    CBelvaneDoc& m_doc;
};

}  // namespace belvane
