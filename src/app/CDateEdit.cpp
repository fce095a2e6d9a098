#include "app/CDateEdit.h"

#include "app/DialogSupport.h"
#include "core/CBelvaneDoc.h"

namespace belvane {

CDateEdit::CDateEdit(const CBelvaneDoc& doc, bool past, int control, QWidget* parent)
    : QLineEdit(parent), m_doc(doc), m_past(past) {
    setMaxLength(dlg::kDateChars);
    setObjectName(QString::number(control));
}

DayDate CDateEdit::Value() const {
    const QString t = text().trimmed();
    return t.isEmpty() ? 0 : m_doc.ParseDate(dlg::ToStd(t), m_past);
}

void CDateEdit::SetValue(DayDate date) {
    setText(date == 0 ? QString() : dlg::FromStd(m_doc.FormatDate(date)));
}

DayDate CDateEdit::Rewrite() {
    const DayDate date = Value();
    if (date != 0) {
        const QString formatted = dlg::FromStd(m_doc.FormatDate(date));
        if (formatted != text())
            setText(formatted);
    }
    return date;
}

void CDateEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    Rewrite();
    emit left();
}

}  // namespace belvane
