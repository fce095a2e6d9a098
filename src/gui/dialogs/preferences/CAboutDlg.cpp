#include "gui/dialogs/preferences/CAboutDlg.h"

#include "gui/support/CResources.h"
#include "gui/support/DialogSupport.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace belvane {

namespace {

constexpr int kDialog = 100;
constexpr int kHandCursor = 234;
const QColor kLinkBlue(0, 0, 238);

std::function<void(const QUrl&)>& Opener() {
    static std::function<void(const QUrl&)> opener;
    return opener;
}

void Open(const QUrl& url) {
    if (Opener())
        Opener()(url);
    else
        QDesktopServices::openUrl(url);
}

QLabel* Link(QWidget* parent, int control, const QString& address) {
    auto* link = dlg::Named(new QLabel(address, parent), control);
    link->setTextFormat(Qt::PlainText);
    QPalette palette = link->palette();
    palette.setColor(QPalette::WindowText, kLinkBlue);
    link->setPalette(palette);
    link->setCursor(CResources::Cursor(kHandCursor));
    return link;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : CAboutDlg(QStringLiteral(BELVANE_VERSION), QStringLiteral(BELVANE_WEB_SITE),
                QStringLiteral(BELVANE_SUPPORT_ADDRESS), parent) {}

CAboutDlg::CAboutDlg(const QString& version, const QString& webSite, const QString& support,
                     QWidget* parent)
    : QDialog(parent) {
    dlg::SetTitle(this, kDialog);
    auto* name =
        dlg::Named(new QLabel(FillPlaceholders(dlg::Text(kDialog, 1000), {version}), this), 1000);
    m_webSite = Link(this, 1190, webSite);
    m_support = Link(this, 1189, support);
    auto* grid = new QGridLayout;
    int row = 0;
    for (const auto& [caption, link] : {std::pair{2001, m_webSite}, std::pair{2002, m_support}}) {
        auto* label = new QLabel(dlg::Text(kDialog, caption), this);
        label->setObjectName(QStringLiteral("label%1").arg(caption));
        grid->addWidget(label, row, 0);
        grid->addWidget(link, row++, 1);
        const bool shown = !link->text().isEmpty();
        label->setVisible(shown);
        link->setVisible(shown);
        link->installEventFilter(this);
    }
    auto* ok = dlg::Named(new QPushButton(dlg::Text(kDialog, 1), this), 1);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addLayout(grid);
    layout->addLayout(okRow);
}

void CAboutDlg::SetUrlOpener(std::function<void(const QUrl&)> opener) {
    Opener() = std::move(opener);
}

bool CAboutDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == m_webSite) {
            Open(QUrl::fromUserInput(m_webSite->text()));
            return true;
        }
        if (watched == m_support) {
            Open(QUrl(QStringLiteral("mailto:") + m_support->text()));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace belvane
