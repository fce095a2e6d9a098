#pragma once

#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace belvane {

// A register open for writing somewhere has a lock file beside it
// (".NAME.lock"). The window takes it with Qt's lock file; the command-line
// tool reads and takes the same file here, in the same form: one line each for
// the process id, the program's file name, the host name, the machine id and
// the boot id.

// The lock file of the register at `registerPath`: beside the file a link
// names, so that every spelling of one register finds one lock.
std::string LockPathOf(const std::string& registerPath);

// What a lock file says of its holder.
struct LockInfo {
    long long pid = 0;
    std::string program;
    std::string host;
    std::string machineId;
    std::string bootId;
};

// The holder a lock file's text names; nothing when the text does not read
// (empty, or no process id on its first line).
std::optional<LockInfo> ParseLockInfo(std::string_view text);
// The text of a lock held by `info`.
std::string LockText(const LockInfo& info);

// This machine and this process as a lock names them.
LockInfo ThisProcess();

enum class LockState {
    Free,   // no lock file
    Stale,  // left by a process of this machine that no longer runs: to be taken over
    Held,   // another process, or another machine, has the register open
};

// The program running as process `pid`: nothing when no process has that id,
// an empty name when it runs but its program cannot be told.
using ProgramOfPid = std::function<std::optional<std::string>(long long pid)>;
// The running processes of this machine, from /proc.
std::optional<std::string> RunningProgram(long long pid);

// Whose a lock is. A lock of this machine (same host, and same machine id when
// both are known) is stale when it was taken before the last boot, or when its
// process no longer runs its program (the id was reused). A lock of another
// machine holds: nothing here tells whether its process still runs. A lock
// file that does not read holds too (only its holder could say otherwise).
LockState JudgeLock(const std::optional<LockInfo>& info, const LockInfo& here,
                    const ProgramOfPid& programOf);

// A lock file as found beside a register, with what the question about it shows.
struct LockReading {
    LockState state = LockState::Free;
    std::optional<LockInfo> info;
    std::string user;       // the lock file's owner
    std::time_t since = 0;  // when it was taken (the file's time)
};
LockReading ReadLock(const std::string& registerPath);

// The lock belvane-tool holds on a register while it writes it; released when
// destroyed.
class RegisterLock {
public:
    RegisterLock() = default;
    ~RegisterLock() { Release(); }
    RegisterLock(const RegisterLock&) = delete;
    RegisterLock& operator=(const RegisterLock&) = delete;

    // Takes the lock of `registerPath`, taking a stale one over. False when
    // another process holds it; `holder` then says who. A folder where no lock
    // can be made gives no lock and true: the write itself will say what fails.
    bool Acquire(const std::string& registerPath, LockReading* holder = nullptr);
    void Release();

private:
    std::string m_path;
    int m_fd = -1;
};

}  // namespace belvane
