#include "uilogic/RecentFiles.h"

#include "core/SettingsStore.h"
#include "core/Text.h"

#include <algorithm>

namespace belvane {

namespace {

constexpr std::string_view kSection = "Recent File List";

std::string Key(int i) {
    return "File" + std::to_string(i + 1);
}

std::string_view DirectoryPart(std::string_view path) {
    const std::size_t cut = path.find_last_of('/');
    if (cut == std::string_view::npos)
        return {};
    return path.substr(0, cut == 0 ? 1 : cut);
}

std::string_view NamePart(std::string_view path) {
    const std::size_t cut = path.find_last_of('/');
    return cut == std::string_view::npos ? path : path.substr(cut + 1);
}

std::string_view WithoutTrailingSlash(std::string_view dir) {
    while (dir.size() > 1 && dir.back() == '/')
        dir.remove_suffix(1);
    return dir;
}

int Chars(std::string_view s) {
    return static_cast<int>(text::Length(s));
}

}  // namespace

RecentFiles::RecentFiles(ISettingsStore& settings, int size)
    : m_settings(settings), m_size(std::max(1, size)) {}

void RecentFiles::Load() {
    m_paths.clear();
    for (int i = 0; i < m_size; ++i) {
        std::string path = m_settings.GetString(kSection, Key(i), "");
        if (!path.empty())
            m_paths.push_back(std::move(path));
    }
}

void RecentFiles::Add(const std::string& path) {
    if (path.empty())
        return;
    std::erase_if(m_paths, [&](const std::string& p) { return text::SamePath(p, path); });
    m_paths.insert(m_paths.begin(), path);
    if (Count() > m_size)
        m_paths.resize(m_size);
    Save();
}

void RecentFiles::Remove(int index) {
    if (index < 0 || index >= Count())
        return;
    m_paths.erase(m_paths.begin() + index);
    Save();
}

void RecentFiles::Save() const {
    for (int i = 0; i < m_size; ++i) {
        if (i < Count())
            m_settings.WriteString(kSection, Key(i), m_paths[i]);
        else
            m_settings.Remove(kSection, Key(i));
    }
}

std::string RecentFiles::Abbreviate(std::string_view path, int maxLength) {
    if (Chars(path) <= maxLength)
        return std::string(path);
    const bool absolute = !path.empty() && path.front() == '/';
    const std::string prefix = absolute ? "/..." : "...";
    // Grow the kept tail one component at a time, from the file name backwards.
    std::string_view tail = NamePart(path);
    std::string best(tail);
    std::string_view rest = path.substr(0, path.size() - tail.size());
    while (!rest.empty()) {
        rest.remove_suffix(1);  // the '/' before the kept tail
        const std::size_t cut = rest.find_last_of('/');
        if (cut == std::string_view::npos)
            break;  // the first component is never shown after "..."
        const std::string_view longer = path.substr(cut);
        if (Chars(prefix) + Chars(longer) > maxLength)
            break;
        best = prefix + std::string(longer);
        rest = rest.substr(0, cut + 1);
    }
    if (best == NamePart(path) && Chars(prefix) + 1 + Chars(best) <= maxLength)
        best = prefix + "/" + best;
    return best;
}

std::string RecentFiles::MenuText(int index, std::string_view path, std::string_view currentDir) {
    std::string shown;
    if (!currentDir.empty() && DirectoryPart(path) == WithoutTrailingSlash(currentDir))
        shown = std::string(NamePart(path));
    else
        shown = Abbreviate(path, kMaxDisplayLength);
    std::string text("&");
    text.append(std::to_string(index + 1)).append(" ");
    for (char c : shown) {
        if (c == '&')
            text += '&';
        text += c;
    }
    return text;
}

}  // namespace belvane
