#include "gui/support/QtTranslation.h"
#include "gui/paint/QtText.h"

#include "uilogic/QtCatalogue.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace belvane {

namespace {

std::unique_ptr<QTranslator>& Installed() {
    static std::unique_ptr<QTranslator> installed;
    return installed;
}

}  // namespace

QString QtTranslation::Install(int langId, const QString& directory) {
    const QString dir =
        directory.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : directory;
    for (const std::string& name : QtCatalogueNames(langId)) {
        auto translator = std::make_unique<QTranslator>();
        const QString catalogue = FromStd(name);
        if (!translator->load(catalogue, dir))
            continue;
        Remove();
        QCoreApplication::installTranslator(translator.get());
        Installed() = std::move(translator);
        return catalogue;
    }
    return QString();
}

void QtTranslation::Remove() {
    if (Installed()) {
        QCoreApplication::removeTranslator(Installed().get());
        Installed().reset();
    }
}

}  // namespace belvane
