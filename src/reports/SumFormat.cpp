#include "reports/SumFormat.h"

#include <cstdint>

namespace belvane {

std::string FormatSum(Sum sum, bool withSign, int width, std::string_view decimalSymbol) {
    // Unsigned magnitude, so that the most negative sum has one too.
    const bool negative = sum < 0;
    const std::uint64_t magnitude = negative ? std::uint64_t{0} - static_cast<std::uint64_t>(sum)
                                             : static_cast<std::uint64_t>(sum);
    const std::uint64_t cents = magnitude % 100;

    std::string out;
    if (withSign)
        out.push_back(negative ? '-' : '+');
    out += std::to_string(magnitude / 100);
    out += decimalSymbol;
    out.push_back(static_cast<char>('0' + cents / 10));
    out.push_back(static_cast<char>('0' + cents % 10));
    if (width > 0 && out.size() < static_cast<std::size_t>(width))
        out.insert(0, static_cast<std::size_t>(width) - out.size(), ' ');
    return out;
}

}  // namespace belvane
