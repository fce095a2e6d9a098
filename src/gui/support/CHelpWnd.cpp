#include "gui/support/CHelpWnd.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTreeWidget>

namespace belvane {

CHelpWnd::CHelpWnd(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_contents(new QTreeWidget(this)),
      m_page(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("help"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_contents->setObjectName(QStringLiteral("helpContents"));
    m_contents->header()->hide();
    m_page->setObjectName(QStringLiteral("helpPage"));
    m_page->setOpenExternalLinks(true);

    auto* splitter = new QSplitter(this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_page);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    connect(m_contents, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        m_page->scrollToAnchor(item->data(0, Qt::UserRole).toString());
    });
    connect(m_contents, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
        m_page->scrollToAnchor(item->data(0, Qt::UserRole).toString());
    });
    connect(m_page, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(m_page->documentTitle());
        ReadContents();
    });

    // Two thirds of the screen, whatever the desktop does with new windows.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        resize(area.width() * 2 / 3, area.height() * 2 / 3);
        move(area.center() - rect().center());
    }
    splitter->setSizes({width() / 3, width() * 2 / 3});
}

void CHelpWnd::ShowPage(const QUrl& page) {
    QUrl file = page;
    file.setFragment(QString());
    if (m_page->source() != file)
        m_page->setSource(file);
    if (page.hasFragment())
        m_page->scrollToAnchor(page.fragment());
}

void CHelpWnd::ReadContents() {
    m_contents->clear();
    QTreeWidgetItem* chapter = nullptr;
    for (QTextBlock block = m_page->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 2 || level > 3)
            continue;
        QString anchor;
        for (auto it = block.begin(); anchor.isEmpty() && !it.atEnd(); ++it) {
            const QStringList names = it.fragment().charFormat().anchorNames();
            if (!names.isEmpty())
                anchor = names.front();
        }
        if (anchor.isEmpty())
            continue;
        QTreeWidgetItem* item = level == 2 || chapter == nullptr ? new QTreeWidgetItem(m_contents)
                                                                 : new QTreeWidgetItem(chapter);
        if (level == 2)
            chapter = item;
        item->setText(0, block.text().simplified());
        item->setData(0, Qt::UserRole, anchor);
    }
    m_contents->expandAll();
}

}  // namespace belvane
