#pragma once

#include "core/CRubrique.h"
#include "core/CSousRubrique.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLineEdit;

namespace belvane {

class CBelvaneDoc;
class SignedAmountField;

// The entry dialog of a category (dialog 182) or of a subcategory (dialog 183):
// the name and the initial amount, and for a subcategory the parent category's
// name above them. It writes the record's name and amount only when it closes
// with OK (a category's subcategories stay as they are); adding the record to
// the register, and correcting the lines when RenameEverywhere() says so, are
// the caller's part. Child object names: the name "1035" (category) or "1036"
// (subcategory, the parent's name being "1035"), "1026" amount, "1029" Crédit,
// "1030" Débit, "1115" the correction box, "1" OK, "2" Cancel.
class CRubriqueDlg : public QDialog {
    Q_OBJECT

public:
    // What a category's entry and a subcategory's differ in.
    struct Form {
        int dialog;           // its texts and its title when new
        int correctionTitle;  // string number of its title when correcting
        int nameControl;      // the name field
        int emptyName;        // the refusal of an empty name
        int takenName;        // the refusal of a name the list has already
    };
    static constexpr Form kRubrique{182, 10058, 1035, 10009, 10010};
    static constexpr Form kSousRubrique{183, 10059, 1036, 10011, 10012};

    // A category. `nouveau`: a new one; else a correction, which shows the box
    // "Corriger dans tout le fichier", ticked.
    CRubriqueDlg(const CBelvaneDoc& doc, CRubrique& rubrique, bool nouveau,
                 QWidget* parent = nullptr);
    // A subcategory of category `rubrique`; its name must differ from the other
    // subcategories of that category only.
    CRubriqueDlg(const CBelvaneDoc& doc, int rubrique, CSousRubrique& sousRubrique, bool nouveau,
                 QWidget* parent = nullptr);

    // A correction accepted with its box ticked: the old name is to be replaced
    // by the new one in every line.
    bool RenameEverywhere() const;

public slots:
    // Refuses an empty name and a name the list has already, with the focus on
    // the name.
    void accept() override;

private:
    CRubriqueDlg(const CBelvaneDoc& doc, const Form& form, int rubrique, std::string& nom,
                 Amount& montant, bool nouveau, QWidget* parent);

    const CBelvaneDoc& m_doc;
    const Form m_form;
    const int m_rubrique;  // the parent category of a subcategory, else -1
    std::string& m_nom;
    Amount& m_montant;
    const bool m_nouveau;
    QLineEdit* m_name = nullptr;
    SignedAmountField* m_amount = nullptr;
    QCheckBox* m_rename = nullptr;
};

}  // namespace belvane
