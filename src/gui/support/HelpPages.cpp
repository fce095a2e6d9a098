#include "gui/support/HelpPages.h"

#include "core/StringIds.h"
#include "gui/paint/QtText.h"
#include "gui/support/CHelpWnd.h"
#include "gui/support/CResources.h"
#include "gui/support/IMessageBox.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStringList>

namespace belvane {

namespace {

// Where the installed program's pages are.
QString InstalledHelpDir() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/belvane/help"));
}

std::function<bool(const QUrl&)>& Browser() {
    static std::function<bool(const QUrl&)> open;
    return open;
}

QPointer<CHelpWnd>& Window() {
    static QPointer<CHelpWnd> window;
    return window;
}

// The help window in front. A modal dialog blocks every window but its own
// children: opened from one, the window belongs to it.
void ShowInOwnWindow(const QUrl& page) {
    QWidget* modal = QApplication::activeModalWidget();
    QPointer<CHelpWnd>& window = Window();
    if (window && window->parentWidget() != modal)
        delete window.data();
    if (!window)
        window = new CHelpWnd(modal);
    window->ShowPage(page);
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

QUrl HelpUrl(const QString& topic) {
    QStringList candidates;
    candidates << InstalledHelpDir() + QStringLiteral("/index.html");
#ifdef BELVANE_SOURCE_HELP_DIR
    // Run from the build tree: the pages of the sources.
    candidates << QStringLiteral(BELVANE_SOURCE_HELP_DIR "/index.html");
#endif
    for (const QString& candidate : std::as_const(candidates)) {
        const QFileInfo page(candidate);
        if (!page.isFile())
            continue;
        QUrl url = QUrl::fromLocalFile(page.canonicalFilePath());
        if (!topic.isEmpty())
            url.setFragment(topic);
        return url;
    }
    return {};
}

void ShowHelp(const QString& topic) {
    const QUrl url = HelpUrl(topic);
    if (!url.isValid()) {
        IMessageBox::Current().Show(
            QApplication::activeWindow(),
            FillPlaceholders(CResources::Str(ids::kMsgNoHelpPages),
                             {QDir::toNativeSeparators(InstalledHelpDir())}),
            IMessageBox::Icon::Warning, IMessageBox::Buttons::Ok);
        return;
    }
    const bool taken = Browser() ? Browser()(url) : QDesktopServices::openUrl(url);
    if (!taken)
        ShowInOwnWindow(url);
}

CHelpWnd* OpenHelpWindow() {
    return Window().data();
}

void SetHelpBrowser(std::function<bool(const QUrl&)> open) {
    Browser() = std::move(open);
}

}  // namespace belvane
