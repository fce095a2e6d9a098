#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace belvane::testutil {

// The bytes of a register held in a string, as the readers take them.
inline std::span<const std::uint8_t> AsBytes(const std::string& bytes) {
    return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

// Builds register files byte by byte, the way an older program wrote them.
class FileBuilder {
public:
    FileBuilder& U8(std::uint8_t v) {
        m_bytes.push_back(v);
        return *this;
    }
    FileBuilder& U16(std::uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    FileBuilder& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    // A short archive string of raw (windows-1252) bytes.
    FileBuilder& Str(std::string_view raw) {
        U8(static_cast<std::uint8_t>(raw.size()));
        return Raw(raw);
    }
    FileBuilder& Raw(std::string_view raw) {
        m_bytes.insert(m_bytes.end(), raw.begin(), raw.end());
        return *this;
    }
    FileBuilder& Zeros(std::size_t n) {
        m_bytes.insert(m_bytes.end(), n, 0);
        return *this;
    }
    // A text in a fixed slot of the legacy format, NUL-padded (not terminated when full).
    FileBuilder& Slot(std::string_view raw, std::size_t size) {
        Raw(raw.substr(0, size));
        return Zeros(size - std::min(size, raw.size()));
    }

    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }
    std::size_t Size() const { return m_bytes.size(); }

private:
    std::vector<std::uint8_t> m_bytes;
};

}  // namespace belvane::testutil
