#pragma once

#include "core/Types.h"
#include "maintenance/CategoryLookup.h"

#include <cstdint>
#include <vector>

namespace belvane {

class CBelvaneDoc;

// The initial amounts of a register (the account's, each category's and each
// subcategory's) as 64-bit sums, so that amounts can be carried into them and
// checked before the register changes: a register file stores each one in 32
// bits, and a sum that no longer fits must be refused, never wrapped.
class InitialAmounts {
public:
    // The register's present amounts.
    static InitialAmounts Of(const CBelvaneDoc& doc);
    // Every amount 0, shaped like the register's lists.
    static InitialAmounts Zero(const CBelvaneDoc& doc);

    // Adds `amount` to the account and, where `where` found them, to the
    // category and subcategory.
    void Carry(const CategoryLookup::Match& where, std::int64_t amount);

    // Whether every amount fits a stored amount.
    bool Fits() const;
    // Writes every amount into the register (call only when Fits()); the
    // register's lists must be those it was made from.
    void ApplyTo(CBelvaneDoc& doc) const;

    friend bool operator==(const InitialAmounts&, const InitialAmounts&) = default;

    std::int64_t compte = 0;
    std::vector<std::int64_t> rubriques;
    std::vector<std::vector<std::int64_t>> sousRubriques;  // per category
};

// Whether a 64-bit sum fits a stored (32-bit) amount.
bool FitsAmount(std::int64_t sum);

}  // namespace belvane
