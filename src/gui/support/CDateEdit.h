#pragma once

#include "core/Types.h"

#include <QLineEdit>

namespace belvane {

class CBelvaneDoc;

// A date field of the entry dialogs: at most 8 characters; leaving it reads
// the text with the document's date format and, when it reads, rewrites it in
// that format ("3" becomes "03.12.26"). Text that is not a date stays as typed.
class CDateEdit : public QLineEdit {
    Q_OBJECT

public:
    // `past`: a partly typed date completes to the latest such date not after
    // today (else the nearest from today on).
    CDateEdit(const CBelvaneDoc& doc, bool past, int control, QWidget* parent = nullptr);

    // The date typed, or 0 when the field is empty or not a date.
    DayDate Value() const;
    // Shows `date` in the document's format (empty for 0).
    void SetValue(DayDate date);
    // Rewrites the text in the document's format when it reads as a date, as
    // leaving the field does. Returns the date, or 0.
    DayDate Rewrite();

signals:
    // The field lost the focus, after its text was rewritten.
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    const CBelvaneDoc& m_doc;
    const bool m_past;
};

}  // namespace belvane
