#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace belvane {

// The unsaved state of a register is kept between saves in a recovery folder of
// the user's, one file per register and per run of the program:
// "NAME.KEY.PID.blv", NAME the register's file name ("sans-titre" for an
// untitled register), KEY sixteen hexadecimal digits of a hash of its full
// path, PID the process writing it. A file whose process still runs is that
// process's own; one whose process is gone holds changes a crash or a kill
// left, to be offered when the register is opened again.

// The recovery file the process `pid` keeps for the register at
// `registerPath` (full path; empty for the untitled register).
std::string RecoveryFileName(const std::string& registerPath, long long pid);

struct RecoveryFile {
    std::string name;
    std::int64_t writtenNs = 0;  // its modification time
};

struct RecoveryChoice {
    // The newest file a process gone left for the register, when it is newer
    // than the register's file: its changes are to be offered.
    std::optional<RecoveryFile> offer;
    // The register's other files of processes gone (older than the register's
    // file, or than the one offered): to be set aside unasked.
    std::vector<std::string> setAside;
};

// A process counts as gone when `running` says so, or when its file was
// written before the machine last started (`bootNs`): its id may be another
// process's now.
RecoveryChoice ChooseRecovery(const std::vector<RecoveryFile>& files,
                              const std::string& registerPath, std::int64_t registerWrittenNs,
                              std::int64_t bootNs,
                              const std::function<bool(long long pid)>& running);

// Recovery files set aside are kept this long, then removed.
inline constexpr std::time_t kAsideKeptSeconds = 30 * 24 * 3600;
bool AsideExpired(std::time_t setAside, std::time_t now);

// The folder inside the recovery folder where files are set aside.
std::string AsideFolder(const std::string& folder);

// The recovery files of `folder`, with their times.
std::vector<RecoveryFile> ListRecoveryFiles(const std::string& folder);
// When the machine last started; 0 when unknown.
std::int64_t BootTimeNs();

// Moves `name` of `folder` into the aside folder (made when missing), dated
// `now` so that it is kept 30 days from then, and removes the files set aside
// that are older than that.
void SetAside(const std::string& folder, const std::string& name, std::time_t now);

}  // namespace belvane
