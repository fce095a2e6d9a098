#pragma once

#include <array>
#include <string>
#include <string_view>

namespace belvane {

class ISettingsStore;

// The decimal symbol, the date format and the three print fonts, as the
// preferences show and change them (section "Settings").
struct DisplayPreferences {
    std::string decimalSymbol;  // "DecimalSymbol"
    std::string dateFormat;     // "DateFormat", in its stored form ("%d.%m.%y")
    // "PrintFontHeader", "PrintFontLines", "PrintFontGraph": font codes.
    std::array<std::string, 3> printFonts;

    // The stored values, with the given defaults for the symbol and the format
    // (strings 51 and 52 of the resources) and the print fonts' own.
    static DisplayPreferences Read(const ISettingsStore& settings, std::string_view defaultSymbol,
                                   std::string_view defaultFormat);
    void Write(ISettingsStore& settings) const;
};

}  // namespace belvane
