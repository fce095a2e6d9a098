#pragma once

#include "statements/CsvReader.h"

#include <QDialog>

#include <string>

class QComboBox;
class QSpinBox;
class QTableWidget;

namespace belvane {

// The column dialog (dialog 261) of a CSV statement whose titles are not
// known: the user says which column holds the date, the amount (or the debit
// and the credit), the label, the further text and the cheque number, the
// delimiter and how many rows come before the operations, with the first rows
// shown. Child object names are the control numbers ("1321" the delimiter,
// "1322" the rows skipped, "1323" to "1330" the columns, "1331" the preview).
class CColonnesCsvDlg : public QDialog {
    Q_OBJECT

public:
    // `text` is the file's text (UTF-8), `file` its name; `layout` the choice proposed.
    CColonnesCsvDlg(std::string text, const QString& file, const CsvLayout& layout,
                    QWidget* parent = nullptr);

    // The layout chosen, once the dialog closed with OK.
    const CsvLayout& Layout() const { return m_layout; }

public slots:
    void accept() override;

private:
    void ShowRows();
    CsvLayout Chosen() const;

    std::string m_text;
    CsvLayout m_layout;
    QComboBox* m_delimiter = nullptr;
    QSpinBox* m_skip = nullptr;
    QComboBox* m_order = nullptr;
    QComboBox* m_columns[7] = {};  // date, amount, debit, credit, label, memo, cheque
    QTableWidget* m_preview = nullptr;
};

}  // namespace belvane
