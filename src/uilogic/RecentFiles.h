#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace belvane {

class ISettingsStore;

// The list of recently used registers, most recent first, kept in section
// "Recent File List" as File1, File2 and so on. Files that no longer exist stay
// listed until the user picks one and it fails to open: then the frame removes
// that entry, so that a register on a disconnected drive is not forgotten.
// Every change is written at once.
class RecentFiles {
public:
    static constexpr int kDefaultSize = 9;
    // Longest menu text of a path before it is shortened.
    static constexpr int kMaxDisplayLength = 30;

    // `settings` must outlive the list.
    explicit RecentFiles(ISettingsStore& settings, int size = kDefaultSize);

    // Reads the list; empty and missing values are skipped.
    void Load();
    int Size() const { return m_size; }
    int Count() const { return static_cast<int>(m_paths.size()); }
    const std::string& Path(int i) const { return m_paths[i]; }
    const std::vector<std::string>& Paths() const { return m_paths; }

    // Puts `path` (a full path) first, removing an earlier entry for the same file
    // and the oldest entry when the list is full.
    void Add(const std::string& path);
    void Remove(int index);

    // The menu text of entry `index`: "&1 name", the name alone when the file is
    // in `currentDir`, a shortened path otherwise; '&' is doubled.
    static std::string MenuText(int index, std::string_view path, std::string_view currentDir);
    // "/.../dir/file.blv": the root and as many trailing components as fit in
    // `maxLength` characters, and always at least the file name.
    static std::string Abbreviate(std::string_view path, int maxLength);

private:
    void Save() const;

    ISettingsStore& m_settings;
    int m_size;
    std::vector<std::string> m_paths;
};

}  // namespace belvane
