#pragma once

#include "core/CRegistre.h"
#include "core/Status.h"

#include <cstdint>
#include <span>
#include <string>

// Reading and writing register files (.blv). Every version is read; only the
// current one ("KVT-BELVANE-BLV", version 0x305) is written.
namespace belvane {

enum class FileFormat { Blv, V31, V30, Legacy };

struct LoadResult {
    Status status;
    FileFormat format = FileFormat::Blv;
    std::uint32_t version = 0;  // the version word used; 0 for a legacy register
};

// Reads a whole register file held in memory into `reg`: Ok, Unreadable or
// Damaged (about no file: the caller knows which).
// On entry `reg` must hold the display settings in force: a legacy register has
// no column list, Observation width or font, and keeps those. On failure `reg` is
// left in an unspecified state and must be discarded.
LoadResult ReadRegister(std::span<const std::uint8_t> bytes, CRegistre& reg);

// The bytes of the register in the current format.
std::string WriteRegister(const CRegistre& reg);

const char* FormatName(FileFormat format);  // "BLV", "3.1", "3.0", "legacy"

}  // namespace belvane
