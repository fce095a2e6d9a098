#pragma once

#include <QPlainTextEdit>

namespace belvane {

// A text of several lines kept within `limit` characters as stored, with CR LF
// line breaks (each line break counts two). A full field refuses what is typed
// or pasted, with a beep, as an edit control does. A longer stored text is
// shown whole, the limit rising to its length.
class LimitedTextEdit : public QPlainTextEdit {
public:
    LimitedTextEdit(int limit, QWidget* parent);

    // The stored text (CR LF line breaks) to show, and the text to store.
    void SetStoredText(const QString& text);
    QString StoredText() const;

private:
    void Limit();

    int m_baseLimit;
    int m_limit;
    QString m_last;
};

}  // namespace belvane
