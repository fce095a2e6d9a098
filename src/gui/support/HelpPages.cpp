#include "gui/support/HelpPages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStringList>

namespace belvane {

QUrl HelpUrl(const QString& topic) {
    QStringList candidates;
    candidates << QCoreApplication::applicationDirPath() +
                      QStringLiteral("/../share/belvane/help/index.html");
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
    if (url.isValid())
        QDesktopServices::openUrl(url);
}

}  // namespace belvane
