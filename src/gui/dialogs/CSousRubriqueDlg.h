#pragma once

#include "core/CSousRubrique.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace belvane {

class CBelvaneDoc;
class InitialAmountField;

// The subcategory entry dialog (dialog 183): the parent category's name above,
// the subcategory's name and initial amount. It writes the record only when it
// closes with OK; adding it to the category, and correcting the lines of the
// parent category when RenameEverywhere() says so, are the caller's part.
// Child object names: "1035" the parent's name, "1036" name, "1026" amount,
// "1029" Crédit, "1030" Débit, "1115" the correction box, "1" OK, "2" Cancel.
class CSousRubriqueDlg : public QDialog {
    Q_OBJECT

public:
    // `rubrique`: index of the parent category. `nouveau`: a new subcategory;
    // else a correction (title string 10059) showing the correction box, ticked.
    CSousRubriqueDlg(const CBelvaneDoc& doc, int rubrique, CSousRubrique& sousRubrique,
                     bool nouveau, QWidget* parent = nullptr);

    // A correction accepted with its box ticked.
    bool RenameEverywhere() const;

public slots:
    // Refuses an empty name (10011) and a name another subcategory of the same
    // category has, letter case ignored (10012), with the focus on the name.
    void accept() override;

private:
    const CBelvaneDoc& m_doc;
    int m_rubriqueIndex;
    CSousRubrique& m_sousRubrique;
    bool m_nouveau;
    QLineEdit* m_name = nullptr;
    InitialAmountField* m_amount = nullptr;
    QCheckBox* m_rename = nullptr;
};

}  // namespace belvane
