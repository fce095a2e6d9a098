#pragma once

#include "core/ReferenceLists.h"

#include <QDialog>

namespace belvane {

class CBelvaneDoc;

// The categories and subcategories list dialog (dialog 178): the categories in
// the user's order above, the subcategories of the selected category below,
// each list with "Nouveau", "Modifier" (also a double-click), "Supprimer",
// "Monter", "Descendre" and the two sorts. Every change goes to the register at
// once; "Fermer" only closes. Child object names: "1035" categories, "1036"
// subcategories; category buttons "1062", "1063", "1064", "1087", "1088",
// "1215", "1216"; subcategory buttons "1074", "1109", "1110", "1111", "1112",
// "1219", "1220"; "57670" Aide, "2" Fermer.
class CRubriquesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CRubriquesDlg(CBelvaneDoc& doc, QWidget* parent = nullptr);

protected:
    // Run the entry dialogs; accepted when they closed with OK.
    virtual EntryOutcome EditRubrique(CRubrique& rubrique, bool nouveau);
    virtual EntryOutcome EditSousRubrique(int rubrique, CSousRubrique& sousRubrique, bool nouveau);

private:
    CBelvaneDoc& m_doc;
};

}  // namespace belvane
