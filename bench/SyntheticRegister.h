#pragma once

#include "core/CLigne.h"
#include "core/CRegistre.h"
#include "core/Status.h"

#include <cstdint>
#include <string>
#include <vector>

// Large registers for the benchmarks and the memory probe. The lines look like
// those of a real account (payment methods, categories, payees, observations of
// the usual lengths, some accented, a few long), only far more of them.
namespace belvane::bench {

inline constexpr int kBenchLines = 300000;

// A register of `lines` lines sorted by issue date, with its reference lists.
// The same `seed` gives the same register.
CRegistre MakeSyntheticRegister(int lines, std::uint64_t seed = 1);

// `count` lines dated `date`, as the entry dialog would add them.
std::vector<CLigne> MakeSyntheticLines(int count, DayDate date, std::uint64_t seed = 2);

// Writes MakeSyntheticRegister(lines) to `path`.
Status WriteSyntheticRegister(const std::string& path, int lines);

}  // namespace belvane::bench
