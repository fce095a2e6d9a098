#include "gui/paint/CQtSettings.h"
#include "gui/paint/QtText.h"

namespace belvane {

CQtSettings::CQtSettings() : m_settings(QStringLiteral("Orlenko"), QStringLiteral("Belvane")) {}

CQtSettings::CQtSettings(const QString& iniFile) : m_settings(iniFile, QSettings::IniFormat) {}

QString CQtSettings::Key(std::string_view section, std::string_view name) {
    const QString n = FromStd(name);
    if (section.empty())
        return n;
    return FromStd(section) + u'/' + n;
}

std::optional<std::string> CQtSettings::ReadString(std::string_view section,
                                                   std::string_view name) const {
    const QVariant v = m_settings.value(Key(section, name));
    if (!v.isValid())
        return std::nullopt;
    return ToStd(v.toString());
}

std::optional<int> CQtSettings::ReadInt(std::string_view section, std::string_view name) const {
    const QVariant v = m_settings.value(Key(section, name));
    if (!v.isValid())
        return std::nullopt;
    // Numbers come back as text from an INI file: convert, and treat junk as absent.
    bool ok = false;
    const int i = v.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return i;
}

void CQtSettings::WriteString(std::string_view section, std::string_view name,
                              std::string_view value) {
    m_settings.setValue(Key(section, name), FromStd(value));
}

void CQtSettings::WriteInt(std::string_view section, std::string_view name, int value) {
    m_settings.setValue(Key(section, name), value);
}

void CQtSettings::Remove(std::string_view section, std::string_view name) {
    m_settings.remove(Key(section, name));
}

}  // namespace belvane
