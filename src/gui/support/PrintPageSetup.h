#pragma once

#include "reports/PageSetup.h"

#include <QPageLayout>

namespace belvane {

class ISettingsStore;

// The page setup as Qt's printers and page setup dialog know it, and back.
QPageLayout ToPageLayout(const PageSetup& setup);
PageSetup FromPageLayout(const QPageLayout& layout);

// The page setup in force: the user's settings, or the paper of the interface
// language's country. `settings` null: the user's own (QSettings).
PageSetup CurrentPageSetup(const ISettingsStore* settings = nullptr);

}  // namespace belvane
