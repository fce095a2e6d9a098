#pragma once

#include "core/CRubrique.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace belvane {

class CBelvaneDoc;
class InitialAmountField;

// The category entry dialog (dialog 182): name and initial amount. It writes
// the record's name and amount only when it closes with OK (its subcategories
// stay as they are); adding it to the register, and correcting the lines when
// RenameEverywhere() says so, are the caller's part. Child object names: "1035"
// name, "1026" amount, "1029" Crédit, "1030" Débit, "1115" the correction box,
// "1" OK, "2" Cancel.
class CRubriqueDlg : public QDialog {
    Q_OBJECT

public:
    // `nouveau`: a new category; else a correction (title string 10058), which
    // shows the box "Corriger dans tout le fichier", ticked.
    CRubriqueDlg(const CBelvaneDoc& doc, CRubrique& rubrique, bool nouveau,
                 QWidget* parent = nullptr);

    // A correction accepted with its box ticked: the old name is to be replaced
    // by the new one in every line.
    bool RenameEverywhere() const;

public slots:
    // Refuses an empty name (10009) and a name another category has, letter case
    // ignored (10010), with the focus on the name.
    void accept() override;

private:
    const CBelvaneDoc& m_doc;
    CRubrique& m_rubrique;
    bool m_nouveau;
    QLineEdit* m_name = nullptr;
    InitialAmountField* m_amount = nullptr;
    QCheckBox* m_rename = nullptr;
};

}  // namespace belvane
