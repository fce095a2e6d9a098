#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace belvane {

// Thrown when a register file ends before a field it announces: the file is damaged.
class ArchiveEndOfFile : public std::runtime_error {
public:
    ArchiveEndOfFile() : std::runtime_error("end of register file reached too early") {}
};

// Thrown when a register file holds a value no register can hold (a column
// identifier above 11, say): the file is unreadable.
class ArchiveBadFormat : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads the little-endian fields of a register file held in memory.
// The bytes must outlive the reader.
class CArchiveReader {
public:
    CArchiveReader(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}

    std::uint8_t ReadU8();
    std::uint16_t ReadU16();
    std::uint32_t ReadU32();
    std::int32_t ReadI32() { return static_cast<std::int32_t>(ReadU32()); }
    // A length-prefixed string (one-byte, 0xFF+u16 or 0xFF+0xFFFF+u32 prefix), in
    // windows-1252 or in the UTF-16 form, returned as UTF-8.
    std::string ReadString();
    // Raw bytes; throws when fewer are left.
    const std::uint8_t* ReadBytes(std::size_t n);
    void Skip(std::size_t n) { ReadBytes(n); }

    std::size_t Remaining() const { return m_size - m_pos; }

    // Throws ArchiveEndOfFile unless `count` records of at least `minSize` bytes each
    // can still follow. Counts are checked this way before anything is reserved.
    void RequireRecords(std::uint64_t count, std::size_t minSize) const;

private:
    std::size_t ReadLength();

    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

// Appends the little-endian fields of a register file to a byte buffer.
class CArchiveWriter {
public:
    explicit CArchiveWriter(std::string& out) : m_out(out) {}

    void WriteU8(std::uint8_t v) { m_out.push_back(static_cast<char>(v)); }
    void WriteU16(std::uint16_t v);
    void WriteU32(std::uint32_t v);
    void WriteI32(std::int32_t v) { WriteU32(static_cast<std::uint32_t>(v)); }
    // Writes a UTF-8 text in windows-1252 with the shortest length prefix, or in the
    // UTF-16 form when windows-1252 cannot hold one of its characters.
    void WriteString(std::string_view utf8);
    void WriteBytes(const void* data, std::size_t n);

private:
    void WriteLength(std::uint64_t n);

    std::string& m_out;
};

}  // namespace belvane
