#pragma once

#include <string>
#include <string_view>

namespace belvane {

// A print font as the settings keep it: the text "face,size,weight,italic,charset"
// with the size in tenths of a point, the weight 400 (normal) or 700 (bold),
// italic 0 or 1 and the character set 1 for the system's default set.
struct PrintFontCode {
    std::string face = "Courier New";
    int sizeTenths = 100;
    int weight = 400;
    int italic = 0;
    int charSet = 1;

    // Splits a code at its commas; a part that is missing (or not a number)
    // takes the value of "Courier New,100,400,0,1".
    static PrintFontCode Parse(std::string_view code);
    std::string Format() const;

    // The font height for a device of `pixelsPerInchY`: minus the size in
    // pixels, rounded.
    int DeviceHeight(int pixelsPerInchY) const;

    bool operator==(const PrintFontCode&) const = default;
};

// The three print fonts of the settings (section "Settings"): their value names
// and the codes they have when absent.
struct PrintFontSetting {
    std::string_view name;
    std::string_view fallback;
};
inline constexpr PrintFontSetting kPrintFontHeader{"PrintFontHeader", "Arial,120,700,0,1"};
inline constexpr PrintFontSetting kPrintFontLines{"PrintFontLines", "Courier New,100,400,0,1"};
inline constexpr PrintFontSetting kPrintFontGraph{"PrintFontGraph", "Arial,80,400,0,1"};

}  // namespace belvane
