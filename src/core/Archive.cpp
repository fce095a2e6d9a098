#include "core/Archive.h"

#include "core/Text.h"

namespace belvane {

namespace {
constexpr std::uint16_t kUtf16Marker = 0xFFFE;
}

const std::uint8_t* CArchiveReader::ReadBytes(std::size_t n) {
    if (n > m_size - m_pos)
        throw ArchiveEndOfFile();
    const std::uint8_t* p = m_data + m_pos;
    m_pos += n;
    return p;
}

std::uint8_t CArchiveReader::ReadU8() {
    return *ReadBytes(1);
}

std::uint16_t CArchiveReader::ReadU16() {
    const std::uint8_t* p = ReadBytes(2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t CArchiveReader::ReadU32() {
    const std::uint8_t* p = ReadBytes(4);
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void CArchiveReader::RequireRecords(std::uint64_t count, std::size_t minSize) const {
    if (count > Remaining() / (minSize ? minSize : 1))
        throw ArchiveEndOfFile();
}

std::size_t CArchiveReader::ReadLength() {
    const std::uint8_t b = ReadU8();
    if (b < 0xFF)
        return b;
    const std::uint16_t w = ReadU16();
    if (w < 0xFFFE)
        return w;
    if (w == kUtf16Marker)
        return SIZE_MAX;  // marks the UTF-16 form
    return ReadU32();
}

std::string CArchiveReader::ReadString() {
    const std::size_t len = ReadLength();
    if (len != SIZE_MAX)
        return text::DecodeCp1252(
            std::string_view(reinterpret_cast<const char*>(ReadBytes(len)), len));

    const std::size_t units = ReadLength();
    if (units == SIZE_MAX)
        throw ArchiveBadFormat("UTF-16 marker inside a UTF-16 string");
    if (units > Remaining() / 2)
        throw ArchiveEndOfFile();
    return text::DecodeUtf16Le(ReadBytes(units * 2), units);
}

void CArchiveWriter::WriteU16(std::uint16_t v) {
    const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
    m_out.append(b, 2);
}

void CArchiveWriter::WriteU32(std::uint32_t v) {
    const char b[4] = {static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
                       static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24)};
    m_out.append(b, 4);
}

void CArchiveWriter::WriteBytes(const void* data, std::size_t n) {
    m_out.append(static_cast<const char*>(data), n);
}

void CArchiveWriter::WriteLength(std::uint64_t n) {
    if (n < 0xFF) {
        WriteU8(static_cast<std::uint8_t>(n));
    } else if (n < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(static_cast<std::uint16_t>(n));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(static_cast<std::uint32_t>(n));
    }
}

void CArchiveWriter::WriteString(std::string_view utf8) {
    bool ascii = true;
    for (const char c : utf8)
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) {  // the common case: no conversion, no copy
        WriteLength(utf8.size());
        m_out.append(utf8);
        return;
    }
    if (const auto bytes = text::EncodeCp1252(utf8)) {
        WriteLength(bytes->size());
        m_out.append(*bytes);
        return;
    }
    const std::u16string u16 = text::ToUtf16(utf8);
    WriteU8(0xFF);
    WriteU16(kUtf16Marker);
    WriteLength(u16.size());
    for (const char16_t c : u16)
        WriteU16(static_cast<std::uint16_t>(c));
}

}  // namespace belvane
