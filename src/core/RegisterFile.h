#pragma once

#include "core/CRegistre.h"

#include <cstdint>
#include <span>
#include <string>

// Reading and writing register files (.blv). Every version is read; only the
// current one ("KVT-BELVANE-BLV", version 0x305) is written.
namespace belvane {

enum class FileFormat { Blv, V31, V30, Legacy };

enum class LoadStatus {
    Ok,
    Unreadable,  // unknown magic, bad legacy file, impossible values (message 10008)
    Damaged,     // the file ends before the data it announces
    CannotOpen,  // the file could not be read at all
};

struct LoadResult {
    LoadStatus status = LoadStatus::Ok;
    FileFormat format = FileFormat::Blv;
    std::uint32_t version = 0;  // the version word used; 0 for a legacy register
    std::string detail;         // what went wrong, for diagnostics; never shown as is

    bool Ok() const { return status == LoadStatus::Ok; }
};

// Reads a whole register file held in memory into `reg`.
// On entry `reg` must hold the display settings in force: a legacy register has
// no column list, Observation width or font, and keeps those. On failure `reg` is
// left in an unspecified state and must be discarded.
LoadResult ReadRegister(std::span<const std::uint8_t> bytes, CRegistre& reg);

// The bytes of the register in the current format.
std::string WriteRegister(const CRegistre& reg);

const char* FormatName(FileFormat format);  // "BLV", "3.1", "3.0", "legacy"

}  // namespace belvane
