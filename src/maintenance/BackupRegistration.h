#pragma once

#include <string>

namespace belvane {

class CBelvaneDoc;
class ISettingsStore;

// Enters a saved register in the list of files copied to the backup directory
// when the program ends (section "BackupFiles"), unless it is listed already.
// `path` is the full path of the file just written. The destination is fixed
// now: the BackupDir setting followed directly by the file name.
void RegisterForBackup(ISettingsStore& settings, const std::string& path);

// What every save of a register does once its file is written: enters the file
// in the backup list when the register's backup flag is set.
void RegisterIfMarked(ISettingsStore& settings, const CBelvaneDoc& doc);

}  // namespace belvane
