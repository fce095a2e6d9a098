#include "maintenance/BackupRegistration.h"

#include "core/CBelvaneDoc.h"
#include "core/SettingsStore.h"
#include "core/Text.h"

namespace belvane {

namespace {
constexpr std::string_view kSection = "BackupFiles";

std::string FileNamePart(std::string_view path) {
#ifdef _WIN32
    const std::size_t cut = path.find_last_of("\\/");
#else
    const std::size_t cut = path.find_last_of('/');
#endif
    return std::string(cut == std::string_view::npos ? path : path.substr(cut + 1));
}

}  // namespace

void RegisterForBackup(ISettingsStore& settings, const std::string& path) {
    const std::string dir = settings.GetString("Settings", "BackupDir", "");
    const int count = settings.GetInt(kSection, "NbrFiles", 0) & 0xFFFF;
    for (int i = 0; i < count; ++i) {
        const std::string listed =
            settings.GetString(kSection, "SourceName" + std::to_string(i), "nul");
        if (text::SamePath(listed, path))
            return;
    }
    settings.WriteString(kSection, "SourceName" + std::to_string(count), path);
    settings.WriteString(kSection, "DestinationName" + std::to_string(count),
                         dir + FileNamePart(path));
    settings.WriteInt(kSection, "NbrFiles", count + 1);
}

void RegisterIfMarked(ISettingsStore& settings, const CBelvaneDoc& doc) {
    if (doc.GetBackup())
        RegisterForBackup(settings, doc.GetPathName());
}

}  // namespace belvane
