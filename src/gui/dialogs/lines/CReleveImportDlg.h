#pragma once

#include "core/Types.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;
class StatementImport;

// The statement import window (dialog 260): every operation of the bank's
// statement with its outcome and its register line; the user unticks a match
// or a new line, moves a match to another line, edits a line to add. It shows
// "Solde dernier relevé" as it will be after OK beside the statement's own
// closing balance, and their difference in red when it is not zero. It changes
// `import` only; the caller applies it. Child object names are the control
// numbers: "1300" the summary, "1301" the statement date, "1302" the table,
// "1303" the line of a match, "1304" the edit button, "1305" to "1307" the
// balances, "1" OK, "2" Annuler, "57670" Aide.
class CReleveImportDlg : public QDialog {
    Q_OBJECT

public:
    // `file` names the statement in the summary; `date` is the statement date proposed.
    CReleveImportDlg(CBelvaneDoc& doc, StatementImport& import, const QString& file, DayDate date,
                     QWidget* parent = nullptr);

    // The statement date entered, once the dialog closed with OK.
    DayDate Date() const { return m_date; }
    QTableWidget* Table() const { return m_table; }

public slots:
    void accept() override;

private:
    void FillRow(int row);
    void ShowBalances();
    void OnRowSelected();
    void OnItemChanged(int row, int column);
    void OnLineChosen(int index);
    void EditNewLine();

    CBelvaneDoc& m_doc;
    StatementImport& m_import;
    DayDate m_date = 0;
    CDateEdit* m_dateField = nullptr;
    QTableWidget* m_table = nullptr;
    QComboBox* m_line = nullptr;
    QPushButton* m_edit = nullptr;
    QLabel* m_after = nullptr;
    QLabel* m_closing = nullptr;
    QLabel* m_difference = nullptr;
    std::vector<int> m_candidates;  // of the selected match, in the combo box's order
    bool m_filling = false;
};

}  // namespace belvane
