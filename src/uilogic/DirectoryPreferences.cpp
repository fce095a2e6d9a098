#include "uilogic/DirectoryPreferences.h"

#include "core/SettingsStore.h"
#include "uilogic/PreferenceChecks.h"

namespace belvane {

namespace {
constexpr std::string_view kSection = "Settings";
}  // namespace

DirectoryPreferences DirectoryPreferences::Read(const ISettingsStore& settings,
                                                std::string_view defaultCalculator) {
    DirectoryPreferences p;
    p.initialDir = settings.GetString(kSection, "InitialDir", "");
    p.backupDir = settings.GetString(kSection, "BackupDir", "");
    p.noConfirm = settings.GetInt(kSection, "BackupNoConfirm", 0) != 0;
    p.calculator = settings.GetString(kSection, "Calculator", defaultCalculator);
    return p;
}

void DirectoryPreferences::Write(ISettingsStore& settings, char separator) const {
    settings.WriteString(kSection, "InitialDir", WithTrailingSeparator(initialDir, separator));
    settings.WriteString(kSection, "BackupDir", WithTrailingSeparator(backupDir, separator));
    settings.WriteInt(kSection, "BackupNoConfirm", noConfirm ? 1 : 0);
    settings.WriteString(kSection, "Calculator", calculator);
}

}  // namespace belvane
