#pragma once

#include "core/SettingsStore.h"

#include <QSettings>

namespace belvane {

// The user's settings profile in QSettings (organisation "Orlenko", application
// "Belvane"): the registry on Windows, a per-user file elsewhere. Values at the
// root use an empty section.
class CQtSettings final : public ISettingsStore {
public:
    CQtSettings();
    // For tests: a settings file of its own.
    explicit CQtSettings(const QString& iniFile);

    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override;
    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override;
    void WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override;
    void WriteInt(std::string_view section, std::string_view name, int value) override;
    void Remove(std::string_view section, std::string_view name) override;

    QSettings& Qt() { return m_settings; }

private:
    static QString Key(std::string_view section, std::string_view name);
    mutable QSettings m_settings;
};

}  // namespace belvane
