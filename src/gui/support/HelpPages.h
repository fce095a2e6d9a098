#pragma once

#include <QString>
#include <QUrl>

namespace belvane {

// The help page for `topic` (an anchor of index.html; empty for the top): the
// installed pages, else those of the source tree. Empty when none is found.
QUrl HelpUrl(const QString& topic = {});

// Opens the help in the desktop's browser; a failure is not reported.
void ShowHelp(const QString& topic = {});

}  // namespace belvane
