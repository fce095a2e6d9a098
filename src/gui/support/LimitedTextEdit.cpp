#include "gui/support/LimitedTextEdit.h"

#include "gui/support/DialogSupport.h"

#include <QSignalBlocker>
#include <QTextCursor>

#include <algorithm>

namespace belvane {

namespace {

int StoredLength(const QString& text) {
    return static_cast<int>(text.size() + text.count(u'\n'));
}

}  // namespace

LimitedTextEdit::LimitedTextEdit(int limit, QWidget* parent)
    : QPlainTextEdit(parent), m_baseLimit(limit), m_limit(limit) {
    setTabChangesFocus(true);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::Limit);
}

void LimitedTextEdit::SetStoredText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_limit = std::max(m_baseLimit, StoredLength(plain));
    const QSignalBlocker block(this);
    setPlainText(plain);
    m_last = plain;
}

QString LimitedTextEdit::StoredText() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text;
}

void LimitedTextEdit::Limit() {
    const QString text = toPlainText();
    if (StoredLength(text) <= m_limit) {
        m_last = text;
        return;
    }
    const int caret = textCursor().position() - static_cast<int>(text.size() - m_last.size());
    const QSignalBlocker block(this);
    setPlainText(m_last);
    QTextCursor cursor = textCursor();
    cursor.setPosition(std::clamp(caret, 0, static_cast<int>(m_last.size())));
    setTextCursor(cursor);
    dlg::Beep();
}

}  // namespace belvane
