#include "maintenance/RegisterLock.h"

#include <cerrno>
#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <fcntl.h>
#include <pwd.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace belvane {

namespace {

// The first line of a small system file, or empty.
std::string FirstLine(const char* path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// The file name of the program a /proc "exe" link names. A program replaced
// on disk while it runs is still that program.
std::string ProgramName(const std::string& exeLink) {
    char target[PATH_MAX];
    const ssize_t n = ::readlink(exeLink.c_str(), target, sizeof target - 1);
    if (n <= 0)
        return {};
    std::string name =
        std::filesystem::path(std::string(target, static_cast<std::size_t>(n))).filename().string();
    constexpr std::string_view kDeleted = " (deleted)";
    if (name.ends_with(kDeleted))
        name.resize(name.size() - kDeleted.size());
    return name;
}

std::string UserName(uid_t uid) {
    passwd pw{};
    passwd* found = nullptr;
    char buffer[4096];
    if (::getpwuid_r(uid, &pw, buffer, sizeof buffer, &found) == 0 && found)
        return found->pw_name;
    return std::to_string(uid);
}

}  // namespace

std::string LockPathOf(const std::string& registerPath) {
    // Beside the file itself, whatever link or spelling names it.
    std::error_code ec;
    std::filesystem::path file = std::filesystem::weakly_canonical(registerPath, ec);
    if (ec)
        file = registerPath;
    return (file.parent_path() / ("." + file.filename().string() + ".lock")).string();
}

std::optional<LockInfo> ParseLockInfo(std::string_view text) {
    std::istringstream in{std::string(text)};
    std::string line;
    LockInfo info;
    if (!std::getline(in, line) || line.empty() ||
        line.find_first_not_of("0123456789") != std::string::npos || line.size() > 18)
        return std::nullopt;
    info.pid = std::stoll(line);
    for (std::string* field : {&info.program, &info.host, &info.machineId, &info.bootId})
        if (!std::getline(in, *field))
            break;
    return info;
}

std::string LockText(const LockInfo& info) {
    return std::to_string(info.pid) + '\n' + info.program + '\n' + info.host + '\n' +
           info.machineId + '\n' + info.bootId + '\n';
}

LockInfo ThisProcess() {
    LockInfo me;
    me.pid = ::getpid();
    me.program = ProgramName("/proc/self/exe");
    char host[256] = {};
    if (::gethostname(host, sizeof host - 1) == 0)
        me.host = host;
    me.machineId = FirstLine("/etc/machine-id");
    if (me.machineId.empty())
        me.machineId = FirstLine("/var/lib/dbus/machine-id");
    me.bootId = FirstLine("/proc/sys/kernel/random/boot_id");
    return me;
}

std::optional<std::string> RunningProgram(long long pid) {
    // Never 0 or a negative id: those would name process groups.
    if (pid <= 0 || pid > INT_MAX || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH))
        return std::nullopt;
    return ProgramName("/proc/" + std::to_string(pid) + "/exe");
}

LockState JudgeLock(const std::optional<LockInfo>& info, const LockInfo& here,
                    const ProgramOfPid& programOf) {
    if (!info)
        return LockState::Held;
    const auto same = [](const std::string& a, const std::string& b) {
        return a.empty() || b.empty() || a == b;
    };
    if (!same(info->host, here.host) || !same(info->machineId, here.machineId))
        return LockState::Held;
    if (!same(info->bootId, here.bootId))
        return LockState::Stale;  // taken before this machine last started
    const std::optional<std::string> program = programOf(info->pid);
    if (!program || !same(*program, info->program))
        return LockState::Stale;
    return LockState::Held;
}

LockReading ReadLock(const std::string& registerPath) {
    LockReading reading;
    const std::string path = LockPathOf(registerPath);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return reading;
    std::ifstream in(path, std::ios::binary);
    std::string text(4096, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    reading.info = ParseLockInfo(text);
    reading.user = UserName(st.st_uid);
    reading.since = st.st_mtime;
    reading.state = JudgeLock(reading.info, ThisProcess(), RunningProgram);
    return reading;
}

bool RegisterLock::Acquire(const std::string& registerPath, LockReading* holder) {
    Release();
    const std::string path = LockPathOf(registerPath);
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            const std::string text = LockText(ThisProcess());
            if (::write(fd, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
                ::close(fd);
                ::unlink(path.c_str());
                return true;
            }
            // Qt's lock file also holds this, and never removes a lock whose
            // holder keeps it.
            (void)::flock(fd, LOCK_EX | LOCK_NB);
            m_fd = fd;
            m_path = path;
            return true;
        }
        if (errno != EEXIST)
            return true;
        const LockReading found = ReadLock(registerPath);
        if (found.state == LockState::Held) {
            if (holder)
                *holder = found;
            return false;
        }
        if (found.state == LockState::Stale) {
            const int old = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
            if (old >= 0) {
                const bool free = ::flock(old, LOCK_EX | LOCK_NB) == 0;
                if (free)
                    ::unlink(path.c_str());
                ::close(old);
                if (!free) {
                    if (holder)
                        *holder = found;
                    return false;
                }
            }
        }
    }
    if (holder)
        *holder = ReadLock(registerPath);
    return false;
}

void RegisterLock::Release() {
    if (m_fd < 0)
        return;
    ::unlink(m_path.c_str());
    ::close(m_fd);
    m_fd = -1;
    m_path.clear();
}

}  // namespace belvane
