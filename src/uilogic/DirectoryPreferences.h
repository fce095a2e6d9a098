#pragma once

#include <string>
#include <string_view>

namespace belvane {

class ISettingsStore;

// The user's directories, backup confirmation and calculator, as the
// preferences show and change them (section "Settings").
struct DirectoryPreferences {
    std::string initialDir;  // "InitialDir"
    std::string backupDir;   // "BackupDir"
    bool noConfirm = false;  // "BackupNoConfirm"
    std::string calculator;  // "Calculator", a command line

    // The stored values; an absent calculator is `defaultCalculator`.
    static DirectoryPreferences Read(const ISettingsStore& settings,
                                     std::string_view defaultCalculator);
    // Writes them, each directory that is not empty ending in `separator`; the
    // calculator is written as typed.
    void Write(ISettingsStore& settings, char separator) const;
};

}  // namespace belvane
