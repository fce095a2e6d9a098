#pragma once

#include <string>
#include <string_view>

namespace belvane {

// A print font as the settings keep it: "face,size,weight,italic,charset",
// the size in tenths of a point, the weight 400 (normal) or 700 (bold).
struct PrintFontCode {
    std::string face = "Courier New";
    int sizeTenths = 100;
    int weight = 400;
    bool italic = false;
    int charSet = 1;

    bool operator==(const PrintFontCode&) const = default;
};

// The fonts of a print job.
struct PrintFonts {
    PrintFontCode header, lines, graph;
};

// The three print fonts: page titles and footers, column titles and rows, the
// amounts written on chart bars.
enum class PrintFontSetting { Header, Lines, Graph };

// Setting name ("PrintFontHeader", …) and the text used when it is not set.
const char* PrintFontSettingName(PrintFontSetting setting);
const char* PrintFontSettingDefault(PrintFontSetting setting);

class ISettingsStore;

// The font of a setting in section "Settings" of `settings`, its default when
// the setting is missing or `settings` is null.
PrintFontCode ReadPrintFont(const ISettingsStore* settings, PrintFontSetting setting);
PrintFonts ReadPrintFonts(const ISettingsStore* settings);

// Reads a font code; a field that is missing, empty or not a number takes the
// default of that field (Courier New, 100, 400, 0, 1).
PrintFontCode ParsePrintFontCode(std::string_view text);

// Height in device pixels of a font of `sizeTenths` tenths of a point on a
// device of `dpiY` pixels per inch: negative (a character height), the
// product divided by 720 and rounded half away from zero.
int PrintFontHeight(int sizeTenths, int dpiY);

}  // namespace belvane
