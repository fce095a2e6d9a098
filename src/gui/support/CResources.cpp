#include "gui/support/CResources.h"
#include "gui/paint/QtText.h"

#include <QByteArray>
#include <QStringList>

namespace belvane {

namespace {

const CResourceSet* g_active = nullptr;

QPixmap FromXpm(const std::string& xpm) {
    QPixmap pixmap;
    pixmap.loadFromData(reinterpret_cast<const uchar*>(xpm.data()), static_cast<uint>(xpm.size()),
                        "XPM");
    return pixmap;
}

// Key names of the French menus and their portable Qt names.
QString PortableKeyName(const QString& name) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"Inser", "Ins"},     {"Suppr", "Del"},     {"RetArr", "Backspace"}, {"Maj", "Shift"},
        {"Entrée", "Return"}, {"Échap", "Esc"},     {"Origine", "Home"},     {"Fin", "End"},
        {"PgPréc", "PgUp"},   {"PgSuiv", "PgDown"}, {"Espace", "Space"},
    };
    for (const auto& [french, portable] : kNames) {
        if (name.compare(QString::fromUtf8(french), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(portable);
    }
    return name;
}

}  // namespace

const CResourceSet& CResources::Active() {
    return g_active ? *g_active : CResourceSet::Builtin();
}

void CResources::SetActive(const CResourceSet* set) {
    g_active = set;
}

QString CResources::Str(int id) {
    return FromStd(Active().String(id));
}

QString CResources::DialogText(int dialog, int control) {
    return FromStd(Active().DialogText(dialog, control));
}

QPixmap CResources::Image(int id) {
    const std::string* xpm = Active().Image(id);
    return xpm ? FromXpm(*xpm) : QPixmap();
}

QCursor CResources::Cursor(int id) {
    const CResourceSet::Cursor* cursor = Active().CursorImage(id);
    if (!cursor)
        return QCursor(Qt::ArrowCursor);
    const QPixmap pixmap = FromXpm(cursor->xpm);
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, cursor->hotX, cursor->hotY);
}

QKeySequence CResources::Keys(const std::string& text) {
    // Modifiers and key are joined by '+'; a trailing "++" names the plus key itself.
    QString source = FromStd(text).trimmed();
    if (source.isEmpty())
        return {};
    QString lastKey;
    if (source.endsWith(QLatin1String("++")) || source == QLatin1String("+")) {
        lastKey = QStringLiteral("+");
        source.chop(source == QLatin1String("+") ? 1 : 2);
    }
    QStringList parts = source.isEmpty() ? QStringList() : source.split(u'+');
    for (QString& part : parts)
        part = PortableKeyName(part.trimmed());
    if (!lastKey.isEmpty())
        parts.push_back(lastKey);
    if (parts.contains(QString()))
        return {};
    const QKeySequence keys =
        QKeySequence::fromString(parts.join(u'+'), QKeySequence::PortableText);
    // One chord only; an unknown name yields Qt::Key_unknown.
    if (keys.count() != 1 || keys[0].key() == Qt::Key_unknown)
        return {};
    return keys;
}

QString CResources::Prompt(int command) {
    const QString text = Str(command);
    const qsizetype newline = text.indexOf(u'\n');
    return newline < 0 ? text : text.left(newline);
}

QString CResources::Tooltip(int command) {
    const QString text = Str(command);
    const qsizetype newline = text.indexOf(u'\n');
    return newline < 0 ? QString() : text.mid(newline + 1);
}

}  // namespace belvane
