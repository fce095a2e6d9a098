#pragma once

class QWidget;

namespace belvane {

// "Configuration de l'impression": Qt's page setup dialog (paper, orientation,
// margins) on the page in force; on OK the page is kept in the settings for
// every print, the preview and belvane-tool. True on OK.
bool EditPageSetup(QWidget* parent);

}  // namespace belvane
