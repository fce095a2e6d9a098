#pragma once

#include "reports/PageSetup.h"

#include <QPageLayout>

namespace belvane {

class CResourceSet;
class ISettingsStore;

// The page setup as Qt's printers and page setup dialog know it, and back.
QPageLayout ToPageLayout(const PageSetup& setup);
PageSetup FromPageLayout(const QPageLayout& layout);

// The page setup in force: the user's settings, or the paper of the country of
// the interface language (that of `resources`). `settings` null: the user's own
// (QSettings).
PageSetup CurrentPageSetup(const CResourceSet& resources, const ISettingsStore* settings = nullptr);

}  // namespace belvane
