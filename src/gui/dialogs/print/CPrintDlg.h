#pragma once

#include "reports/PrintOptions.h"

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace belvane {

class CBelvaneDoc;
class CDateEdit;

// The print dialog (template "IMPRESSION", dialog 250): the printer, the range
// of a register print, its two layout options, the copies and the two chart
// options, with what the job's dialog flags hide or grey. The "Nom" list holds
// the printers the system knows and, last, printing to a PDF file; choosing the
// PDF entry asks for the file name on OK. Object names: "2001" printer group,
// "2002" printer list, "2003" Propriétés, "2021" to "2024" the printer's state,
// type, place and comment, "2008" range group, "2009" Tout, "2010" Du, "2019"
// and "2020" the dates, "2011" au, "2012" screen widths, "2026" fit to the page
// width, "2013" sorted, "2014" copies group, "2025" copies, "2016" collate,
// "2017" values, "2018" colour, "1" OK, "2" Annuler. "Propriétés" opens the page
// setup that every print uses.
class CPrintDlg : public QDialog {
    Q_OBJECT

public:
    CPrintDlg(const CBelvaneDoc& doc, const PrintOptions& options, QWidget* parent = nullptr);

    // What the dialog stores back on OK and on Annuler alike: the three layout
    // options, both dates (0 when empty or not a date) and the chart options.
    void StoreOptions(PrintOptions& options) const;
    // "Du" chosen rather than "Tout".
    bool FromTo() const;
    // The printer chosen, or an empty name for the PDF file.
    QString PrinterName() const;
    // The PDF file named on OK (empty for a printer).
    const QString& PdfPath() const { return m_pdfPath; }
    int Copies() const;
    bool Collate() const;

    // The PDF file proposed for a register: its name with ".pdf", beside it.
    static QString ProposedPdf(const CBelvaneDoc& doc);

public slots:
    void accept() override;

private:
    void ShowPrinter();
    void ApplyFlags(int flags);
    void DateEdited();

    const CBelvaneDoc& m_doc;
    QComboBox* m_printer = nullptr;
    QPushButton* m_properties = nullptr;
    QLabel* m_state = nullptr;
    QLabel* m_type = nullptr;
    QLabel* m_where = nullptr;
    QLabel* m_comment = nullptr;
    QGroupBox* m_range = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_fromTo = nullptr;
    CDateEdit* m_from = nullptr;
    CDateEdit* m_to = nullptr;
    QLabel* m_au = nullptr;
    QCheckBox* m_screenWidths = nullptr;
    QCheckBox* m_fitWidth = nullptr;
    QCheckBox* m_sorted = nullptr;
    QCheckBox* m_values = nullptr;
    QCheckBox* m_colour = nullptr;
    QSpinBox* m_copies = nullptr;
    QCheckBox* m_collate = nullptr;
    QString m_pdfPath;
};

}  // namespace belvane
