#include "gui/support/FileFilter.h"

#include "gui/support/CResources.h"
#include "core/StringIds.h"

#include <QStringList>

namespace belvane {

QString QtFilter(const QString& resource) {
    const QStringList parts = resource.split(u'|');
    QStringList names;
    for (int i = 0; i < parts.size(); i += 2) {
        if (parts[i].isEmpty())
            continue;
        QString name = parts[i];
#ifndef Q_OS_WIN
        name.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
#endif
        names << name;
    }
    return names.join(QStringLiteral(";;"));
}

QString AllFilesFilter() {
    return QtFilter(CResources::Str(ids::kAllFilesFilter));
}

}  // namespace belvane
