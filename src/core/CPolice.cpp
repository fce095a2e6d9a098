#include "core/CPolice.h"

#include "core/Text.h"

#include <algorithm>
#include <cstring>

namespace belvane {

namespace {
constexpr std::size_t kFaceOffset = 28;
constexpr std::size_t kFaceSize = 32;
constexpr std::uint8_t kFixedPitchModern = 0x31;  // FIXED_PITCH | FF_MODERN
constexpr int kNormalWeight = 400;
}  // namespace

CPolice CPolice::DefaultFixedPitch() {
    return Make("Courier New", 100, kNormalWeight, false, false, false, 0, kFixedPitchModern);
}

CPolice CPolice::FromBytes(const std::uint8_t* bytes) {
    CPolice p;
    std::memcpy(p.m_bytes.data(), bytes, kSize);
    return p;
}

CPolice CPolice::Make(std::string_view face, int heightTenths, int weight, bool italic,
                      bool underline, bool strikeOut, std::uint8_t charSet,
                      std::uint8_t pitchAndFamily) {
    CPolice p;
    p.SetI32(0, heightTenths);
    p.SetI32(16, weight);
    p.m_bytes[20] = italic ? 1 : 0;
    p.m_bytes[21] = underline ? 1 : 0;
    p.m_bytes[22] = strikeOut ? 1 : 0;
    p.m_bytes[23] = charSet;
    p.m_bytes[27] = pitchAndFamily;
    // The face name is windows-1252 and NUL-terminated within its 32 bytes.
    std::string bytes = text::EncodeCp1252(face).value_or(std::string());
    const std::size_t n = std::min(bytes.size(), kFaceSize - 1);
    std::memcpy(p.m_bytes.data() + kFaceOffset, bytes.data(), n);
    return p;
}

std::string CPolice::Face() const {
    const auto* begin = reinterpret_cast<const char*>(m_bytes.data() + kFaceOffset);
    const std::size_t len = strnlen(begin, kFaceSize);
    return text::DecodeCp1252(std::string_view(begin, len));
}

std::int32_t CPolice::HeightTenths() const {
    const std::int32_t h = I32(0);
    if (h == INT32_MIN)
        return INT32_MAX;
    return h < 0 ? -h : h;
}

std::int32_t CPolice::I32(std::size_t o) const {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(m_bytes[o]) |
                                     (static_cast<std::uint32_t>(m_bytes[o + 1]) << 8) |
                                     (static_cast<std::uint32_t>(m_bytes[o + 2]) << 16) |
                                     (static_cast<std::uint32_t>(m_bytes[o + 3]) << 24));
}

void CPolice::SetI32(std::size_t o, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int k = 0; k < 4; ++k)
        m_bytes[o + k] = static_cast<std::uint8_t>(u >> (8 * k));
}

}  // namespace belvane
