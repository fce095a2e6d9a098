#include "core/SettingsStore.h"

#include "core/Text.h"

namespace belvane {

std::optional<std::string> CMemorySettings::ReadString(std::string_view section,
                                                       std::string_view name) const {
    const auto it = m_values.find({std::string(section), std::string(name)});
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

std::optional<int> CMemorySettings::ReadInt(std::string_view section, std::string_view name) const {
    const auto s = ReadString(section, name);
    return s ? text::ToInt(*s) : std::nullopt;
}

void CMemorySettings::WriteString(std::string_view section, std::string_view name,
                                  std::string_view value) {
    m_values[{std::string(section), std::string(name)}] = std::string(value);
}

void CMemorySettings::WriteInt(std::string_view section, std::string_view name, int value) {
    WriteString(section, name, std::to_string(value));
}

void CMemorySettings::Remove(std::string_view section, std::string_view name) {
    m_values.erase({std::string(section), std::string(name)});
}

bool CMemorySettings::Contains(std::string_view section, std::string_view name) const {
    return m_values.count({std::string(section), std::string(name)}) != 0;
}

}  // namespace belvane
