#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace belvane {

class CHelpWnd;

// The help page for `topic` (an anchor of index.html; empty for the top): the
// installed pages, else those of the source tree. Empty when none is found.
QUrl HelpUrl(const QString& topic = {});

// Shows the help at `topic`: in the desktop's browser, in the program's own
// help window when no browser takes the page, and with a message naming the
// folder where the pages belong when there is none.
void ShowHelp(const QString& topic = {});

// The program's help window, while one is open.
CHelpWnd* OpenHelpWindow();

// Replaces the desktop's browser (tests): `open` says whether it took the page.
// An empty function gives the desktop's back.
void SetHelpBrowser(std::function<bool(const QUrl&)> open);

}  // namespace belvane
