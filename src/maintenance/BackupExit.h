#pragma once

#include <functional>
#include <string>

namespace belvane {

class ISettingsStore;

// The user's answer to "back up the listed files?".
enum class BackupAnswer { Yes, No, Cancel };

// Copies one listed file over its backup copy; false when the copy failed.
using BackupCopyFile =
    std::function<bool(const std::string& source, const std::string& destination)>;
// Asks whether the listed files are to be backed up now.
using BackupAsk = std::function<BackupAnswer()>;
// Tells the user that a copy failed.
using BackupReport = std::function<void()>;

// The backup step of closing the main window, run after the save-changes
// prompt: copies every file of section "BackupFiles" to its destination and
// empties the list. Returns whether the window may close. The question is
// skipped when the list is empty or BackupNoConfirm is set. A failed copy stops
// the copying, calls `copyFailed` and keeps the whole list so that the user can
// fix the backup directory and try again.
bool RunBackupAtExit(ISettingsStore& settings, const BackupCopyFile& copy, const BackupAsk& ask,
                     const BackupReport& copyFailed = {});

}  // namespace belvane
