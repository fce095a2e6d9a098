#include "gui/support/CDateEdit.h"

#include "core/ValueFormat.h"
#include "gui/support/DialogSupport.h"

#include <QFocusEvent>

namespace belvane {

CDateEdit::CDateEdit(const ValueFormat& format, bool past, int control, QWidget* parent)
    : QLineEdit(parent), m_format(format), m_past(past) {
    setMaxLength(dlg::kDateChars);
    setObjectName(QString::number(control));
}

DayDate CDateEdit::Value() const {
    return text().isEmpty() ? 0 : m_format.ParseDate(ToStd(text()), m_past);
}

std::optional<DayDate> CDateEdit::Check(int stringId) {
    const DayDate date = Rewrite();
    if (date != 0 || text().isEmpty())
        return date;
    dlg::Refuse(window(), stringId);
    dlg::FocusField(this);
    return std::nullopt;
}

void CDateEdit::SetValue(DayDate date) {
    setText(date == 0 ? QString() : FromStd(m_format.FormatDate(date)));
}

DayDate CDateEdit::Rewrite() {
    const DayDate date = Value();
    if (date != 0) {
        const QString formatted = FromStd(m_format.FormatDate(date));
        if (formatted != text())
            setText(formatted);
    }
    return date;
}

void CDateEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Another window coming to the front, or this dialog closing and being
    // destroyed, is not the user leaving the field: the dialog's slots may
    // already be gone, and its checks read the field again anyway.
    if (event->reason() == Qt::ActiveWindowFocusReason)
        return;
    Rewrite();
    emit left();
}

}  // namespace belvane
