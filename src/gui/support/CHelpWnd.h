#pragma once

#include <QWidget>

class QTextBrowser;
class QTreeWidget;

namespace belvane {

// The program's own help window, for when the desktop has no browser to show
// the help pages: the pages in a text browser, their table of contents (the
// headings with an anchor) beside it; links inside the pages are followed,
// links to the web go to the desktop.
class CHelpWnd : public QWidget {
    Q_OBJECT

public:
    explicit CHelpWnd(QWidget* parent = nullptr);

    // Shows `page` (a local file, its fragment the place to scroll to).
    void ShowPage(const QUrl& page);

    QTextBrowser* Page() const { return m_page; }
    QTreeWidget* Contents() const { return m_contents; }

private:
    // Fills the table of contents from the headings of the loaded page.
    void ReadContents();

    QTreeWidget* m_contents;
    QTextBrowser* m_page;
};

}  // namespace belvane
