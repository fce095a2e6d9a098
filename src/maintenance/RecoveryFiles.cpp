#include "maintenance/RecoveryFiles.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace belvane {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kUntitled = "sans-titre";
constexpr std::string_view kExtension = ".blv";
constexpr std::size_t kKeyDigits = 16;

// The register a recovery file is of: a hash of its full path (FNV-1a), stable
// from one run and one build to the next.
std::string KeyOf(const std::string& registerPath) {
    std::uint64_t h = 14695981039346656037ULL;
    for (const unsigned char c : registerPath) {
        h ^= c;
        h *= 1099511628211ULL;
    }
    char key[kKeyDigits + 1];
    std::snprintf(key, sizeof key, "%016llx", static_cast<unsigned long long>(h));
    return key;
}

struct NameParts {
    std::string key;
    long long pid = 0;
};

// The key and process of "NAME.KEY.PID.blv"; nothing for any other name.
std::optional<NameParts> PartsOf(std::string_view name) {
    if (!name.ends_with(kExtension))
        return std::nullopt;
    name.remove_suffix(kExtension.size());
    const std::size_t pidDot = name.rfind('.');
    if (pidDot == std::string_view::npos || pidDot < kKeyDigits + 1)
        return std::nullopt;
    const std::string_view pid = name.substr(pidDot + 1);
    const std::string_view key = name.substr(pidDot - kKeyDigits, kKeyDigits);
    if (pid.empty() || pid.size() > 10 || pid.find_first_not_of("0123456789") != pid.npos ||
        key.find_first_not_of("0123456789abcdef") != key.npos ||
        name[pidDot - kKeyDigits - 1] != '.')
        return std::nullopt;
    return NameParts{std::string(key), std::stoll(std::string(pid))};
}

std::int64_t Nanoseconds(fs::file_time_type t) {
    const auto since = std::chrono::file_clock::to_sys(t).time_since_epoch();
    return std::chrono::duration_cast<std::chrono::nanoseconds>(since).count();
}

}  // namespace

std::string RecoveryFileName(const std::string& registerPath, long long pid) {
    const std::string stem =
        registerPath.empty() ? std::string(kUntitled) : fs::path(registerPath).filename().string();
    return stem + "." + KeyOf(registerPath) + "." + std::to_string(pid) + std::string(kExtension);
}

RecoveryChoice ChooseRecovery(const std::vector<RecoveryFile>& files,
                              const std::string& registerPath, std::int64_t registerWrittenNs,
                              std::int64_t bootNs,
                              const std::function<bool(long long pid)>& running) {
    const std::string key = KeyOf(registerPath);
    std::vector<RecoveryFile> left;
    for (const RecoveryFile& f : files) {
        const std::optional<NameParts> parts = PartsOf(f.name);
        if (parts && parts->key == key &&
            ((bootNs > 0 && f.writtenNs < bootNs) || !running(parts->pid)))
            left.push_back(f);
    }
    std::sort(left.begin(), left.end(), [](const RecoveryFile& a, const RecoveryFile& b) {
        return a.writtenNs > b.writtenNs;
    });
    RecoveryChoice choice;
    for (const RecoveryFile& f : left) {
        if (!choice.offer && f.writtenNs > registerWrittenNs)
            choice.offer = f;
        else
            choice.setAside.push_back(f.name);
    }
    return choice;
}

bool AsideExpired(std::time_t setAside, std::time_t now) {
    return now - setAside > kAsideKeptSeconds;
}

std::string AsideFolder(const std::string& folder) {
    return (fs::path(folder) / "ecartees").string();
}

std::vector<RecoveryFile> ListRecoveryFiles(const std::string& folder) {
    std::vector<RecoveryFile> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e;
        if (it->is_regular_file(e))
            files.push_back({it->path().filename().string(), Nanoseconds(it->last_write_time(e))});
    }
    return files;
}

std::int64_t BootTimeNs() {
    std::ifstream in("/proc/stat");
    std::string word;
    while (in >> word) {
        if (word == "btime") {
            long long seconds = 0;
            in >> seconds;
            return seconds * 1000000000LL;
        }
    }
    return 0;
}

void SetAside(const std::string& folder, const std::string& name, std::time_t now) {
    std::error_code ec;
    const fs::path aside = AsideFolder(folder);
    fs::create_directories(aside, ec);
    fs::path target = aside / name;
    if (fs::exists(target, ec))
        target += "." + std::to_string(now) + std::string(kExtension);
    fs::rename(fs::path(folder) / name, target, ec);
    const auto stamp =
        std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(now));
    fs::last_write_time(target, stamp, ec);
    for (fs::directory_iterator it(aside, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code e;
        const std::time_t written =
            static_cast<std::time_t>(Nanoseconds(it->last_write_time(e)) / 1000000000);
        if (!e && it->is_regular_file(e) && AsideExpired(written, now))
            fs::remove(it->path(), e);
    }
}

}  // namespace belvane
