#pragma once

#include "rules/LineSearch.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;
class ISearchHost;

// The search window (195): modeless, beside the register. Each "&Suivant" or
// "&Précédent" starts from the line selected at that moment in the host's
// command pane and selects the next line meeting the ticked criteria; nothing
// is cached between two searches. It deletes itself when closed.
class CChercherDlg : public QDialog {
    Q_OBJECT

public:
    CChercherDlg(CBelvaneDoc& doc, ISearchHost& host, QWidget* parent);

    // The criteria as the fields and boxes give them now.
    SearchCriteria Criteria() const;
    // Searches in direction `step` (+1 or -1); returns the line found, or -1
    // after the beep and status text 10080. A ticked date or amount that does
    // not read is refused with a message first, and nothing is searched.
    int Search(int step);
    // "Remise à &zéro": empties every value field, then unticks every box.
    void Reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Criterion {
        QCheckBox* box;
        QWidget* field;  // nullptr for "&Crédit" and "&Débit"
    };

    void Tick(QCheckBox* box);
    bool Ticked(const QWidget* field) const;
    // The ticked dates and amount read (a typed sign moved to the boxes), or
    // the first that does not is refused.
    bool ValuesRead();
    static QString FieldText(const QWidget* field);

    CBelvaneDoc& m_doc;
    ISearchHost& m_host;
    // Set while the window itself changes a field, so that nothing gets ticked.
    bool m_quiet = false;

    CDateEdit* m_issue = nullptr;
    CDateEdit* m_statement = nullptr;
    CDateEdit* m_validity = nullptr;
    QLineEdit* m_amount = nullptr;
    QComboBox* m_paiement = nullptr;
    QLineEdit* m_reference = nullptr;
    QComboBox* m_rubrique = nullptr;
    QComboBox* m_sousRubrique = nullptr;
    QComboBox* m_beneficiaire = nullptr;
    QLineEdit* m_observation = nullptr;
    QCheckBox* m_credit = nullptr;
    QCheckBox* m_debit = nullptr;
    QRadioButton* m_and = nullptr;
    QRadioButton* m_or = nullptr;
    std::vector<Criterion> m_criteria;
};

}  // namespace belvane
