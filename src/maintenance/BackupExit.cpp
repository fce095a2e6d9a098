#include "maintenance/BackupExit.h"

#include "core/SettingsStore.h"

namespace belvane {

namespace {
constexpr std::string_view kSection = "BackupFiles";
// What a missing entry of the list reads as.
constexpr std::string_view kMissing = "nul";

std::string SourceKey(int i) {
    return "SourceName" + std::to_string(i);
}
std::string DestinationKey(int i) {
    return "DestinationName" + std::to_string(i);
}

}  // namespace

bool RunBackupAtExit(ISettingsStore& settings, const BackupCopyFile& copy, const BackupAsk& ask,
                     const BackupReport& copyFailed) {
    // Only the low 16 bits of the count were ever meaningful.
    const int count = settings.GetInt(kSection, "NbrFiles", 0) & 0xFFFF;
    if (count < 1)
        return true;

    const BackupAnswer answer =
        settings.GetInt("Settings", "BackupNoConfirm", 0) != 0 ? BackupAnswer::Yes : ask();
    if (answer == BackupAnswer::Cancel)
        return false;

    if (answer == BackupAnswer::Yes) {
        for (int i = 0; i < count; ++i) {
            const std::string source = settings.GetString(kSection, SourceKey(i), kMissing);
            const std::string destination =
                settings.GetString(kSection, DestinationKey(i), kMissing);
            if (!copy(source, destination)) {
                if (copyFailed)
                    copyFailed();
                return false;
            }
        }
    }

    for (int i = 0; i < count; ++i) {
        settings.Remove(kSection, SourceKey(i));
        settings.Remove(kSection, DestinationKey(i));
    }
    settings.WriteInt(kSection, "NbrFiles", 0);
    return true;
}

}  // namespace belvane
