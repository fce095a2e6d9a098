#pragma once

#include "core/StringIds.h"
#include "core/Types.h"

#include <QLineEdit>

#include <optional>

namespace belvane {

class ValueFormat;

// A date field: it takes a date written in full ("15.01.2026"); leaving it
// reads the text with the register's date format and, when it reads, rewrites
// it in that format ("3" becomes "03.12.26"). Text that is not a date stays as
// typed, for the dialog's check to refuse.
class CDateEdit : public QLineEdit {
    Q_OBJECT

public:
    // `past`: a partly typed date completes to the latest such date not after
    // today (else the nearest from today on).
    CDateEdit(const ValueFormat& format, bool past, int control, QWidget* parent = nullptr);

    // The date typed, or 0 when the field is empty or not a date.
    DayDate Value() const;
    // On OK: the date typed, 0 for an empty field. A text that is not a date
    // is refused with message `stringId` (10026 unless the dialog has its
    // own), the focus back in the field, and gives nothing.
    std::optional<DayDate> Check(int stringId = ids::kMsgDateInvalid);
    // Shows `date` in the register's format (empty for 0).
    void SetValue(DayDate date);
    // Rewrites the text in the register's format when it reads as a date, as
    // leaving the field does. Returns the date, or 0.
    DayDate Rewrite();

signals:
    // The field lost the focus, after its text was rewritten.
    void left();

protected:
    void focusOutEvent(QFocusEvent* event) override;

private:
    const ValueFormat& m_format;
    const bool m_past;
};

}  // namespace belvane
