#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace belvane::testutil {

// An empty directory of the running test's own, removed with its contents.
class ScratchDir {
public:
    ScratchDir() : ScratchDir(testing::TempDir()) {}
    // The same, inside `base`.
    explicit ScratchDir(const std::filesystem::path& base) : m_path(base / Name()) {
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(m_path, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    static std::string Name() {
        const auto* t = testing::UnitTest::GetInstance()->current_test_info();
        return std::string("belvane-") + t->test_suite_name() + "." + t->name() + "-" +
               std::to_string(::getpid());
    }
    std::filesystem::path m_path;
};

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// The bytes of a file (empty when there is none), read in one go.
inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    std::string bytes(in ? static_cast<std::size_t>(in.tellg()) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

}  // namespace belvane::testutil
