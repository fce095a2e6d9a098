#include "gui/paint/PrintPageSetup.h"

#include "core/CResourceSet.h"
#include "core/StringIds.h"
#include "gui/paint/CQtSettings.h"
#include "uilogic/LanguageChoice.h"

#include <QPageSize>
#include <QSizeF>

#include <cmath>

namespace belvane {

namespace {

int Tenths(qreal mm) {
    return static_cast<int>(std::lround(mm * 10));
}

}  // namespace

QPageLayout ToPageLayout(const PageSetup& setup) {
    const QPageSize size(QSizeF(setup.paperWidth / 10.0, setup.paperHeight / 10.0),
                         QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size, setup.landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(setup.marginLeft / 10.0, setup.marginTop / 10.0,
                                 setup.marginRight / 10.0, setup.marginBottom / 10.0),
                       QPageLayout::Millimeter);
}

PageSetup FromPageLayout(const QPageLayout& layout) {
    PageSetup setup;
    const QSizeF paper = layout.pageSize().size(QPageSize::Millimeter);
    setup.paperWidth = Tenths(paper.width());
    setup.paperHeight = Tenths(paper.height());
    setup.landscape = layout.orientation() == QPageLayout::Landscape;
    const QMarginsF margins = layout.margins(QPageLayout::Millimeter);
    setup.marginLeft = Tenths(margins.left());
    setup.marginTop = Tenths(margins.top());
    setup.marginRight = Tenths(margins.right());
    setup.marginBottom = Tenths(margins.bottom());
    return setup;
}

PageSetup CurrentPageSetup(const CResourceSet& resources, const ISettingsStore* settings) {
    const int langId = ParseLangId(resources.String(ids::kLangId));
    if (settings != nullptr)
        return ReadPageSetup(settings, langId);
    const CQtSettings own;
    return ReadPageSetup(&own, langId);
}

}  // namespace belvane
