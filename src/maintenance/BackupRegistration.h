#pragma once

#include <string>
#include <string_view>

namespace belvane {

class ISettingsStore;

// Enters a saved register in the list of files copied to the backup directory
// when the program ends (section "BackupFiles"), unless it is listed already.
// `path` is the full path of the file just written. The destination is fixed
// now: the BackupDir setting followed directly by the file name.
void RegisterForBackup(ISettingsStore& settings, const std::string& path);

// Whether two paths name the same file for the backup list: letter case is
// ignored only where the file system ignores it.
bool SameBackupPath(std::string_view a, std::string_view b);

}  // namespace belvane
