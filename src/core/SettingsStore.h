#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace belvane {

// The user's settings profile, by section and value name. The program backs it
// with the platform's settings; tests and the command-line tool use memory.
class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    virtual std::optional<std::string> ReadString(std::string_view section,
                                                  std::string_view name) const = 0;
    virtual std::optional<int> ReadInt(std::string_view section, std::string_view name) const = 0;
    virtual void WriteString(std::string_view section, std::string_view name,
                             std::string_view value) = 0;
    virtual void WriteInt(std::string_view section, std::string_view name, int value) = 0;
    virtual void Remove(std::string_view section, std::string_view name) = 0;

    std::string GetString(std::string_view section, std::string_view name,
                          std::string_view fallback) const {
        return ReadString(section, name).value_or(std::string(fallback));
    }
    int GetInt(std::string_view section, std::string_view name, int fallback) const {
        return ReadInt(section, name).value_or(fallback);
    }
};

// Settings held in memory: for tests and for the command-line tool.
class CMemorySettings final : public ISettingsStore {
public:
    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override;
    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override;
    void WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override;
    void WriteInt(std::string_view section, std::string_view name, int value) override;
    void Remove(std::string_view section, std::string_view name) override;

    bool Contains(std::string_view section, std::string_view name) const;

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::string> m_values;
};

}  // namespace belvane
