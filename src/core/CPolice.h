#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace belvane {

// The register's screen font as its file stores it: a 60-byte Windows LOGFONTA
// record whose height is in tenths of a point. The bytes are kept as read and
// written back unchanged, so that a register goes back to Windows intact.
class CPolice {
public:
    static constexpr std::size_t kSize = 60;

    // Courier New, 10 points, normal weight, fixed pitch: the font of a new register.
    static CPolice DefaultFixedPitch();
    static CPolice FromBytes(const std::uint8_t* bytes);
    static CPolice Make(std::string_view face, int heightTenths, int weight, bool italic,
                        bool underline, bool strikeOut, std::uint8_t charSet,
                        std::uint8_t pitchAndFamily);

    const std::array<std::uint8_t, kSize>& Bytes() const { return m_bytes; }

    std::string Face() const;           // UTF-8
    std::int32_t HeightTenths() const;  // absolute value, tenths of a point
    std::int32_t Weight() const { return I32(16); }
    bool Italic() const { return m_bytes[20] != 0; }
    bool Underline() const { return m_bytes[21] != 0; }
    bool StrikeOut() const { return m_bytes[22] != 0; }
    std::uint8_t CharSet() const { return m_bytes[23]; }
    std::uint8_t PitchAndFamily() const { return m_bytes[27]; }

    friend bool operator==(const CPolice&, const CPolice&) = default;

private:
    std::int32_t I32(std::size_t offset) const;
    void SetI32(std::size_t offset, std::int32_t v);

    std::array<std::uint8_t, kSize> m_bytes{};
};

}  // namespace belvane
