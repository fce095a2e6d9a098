#include "uilogic/DisplayPreferences.h"

#include "core/SettingsStore.h"
#include "uilogic/PrintFontCode.h"

namespace belvane {

namespace {
constexpr std::string_view kSection = "Settings";
constexpr std::array<PrintFontSetting, 3> kFonts = {kPrintFontHeader, kPrintFontLines,
                                                    kPrintFontGraph};
}  // namespace

DisplayPreferences DisplayPreferences::Read(const ISettingsStore& settings,
                                            std::string_view defaultSymbol,
                                            std::string_view defaultFormat) {
    DisplayPreferences p;
    p.decimalSymbol = settings.GetString(kSection, "DecimalSymbol", defaultSymbol);
    p.dateFormat = settings.GetString(kSection, "DateFormat", defaultFormat);
    for (std::size_t i = 0; i < kFonts.size(); ++i)
        p.printFonts[i] = settings.GetString(kSection, kFonts[i].name, kFonts[i].fallback);
    return p;
}

void DisplayPreferences::Write(ISettingsStore& settings) const {
    settings.WriteString(kSection, "DecimalSymbol", decimalSymbol);
    settings.WriteString(kSection, "DateFormat", dateFormat);
    for (std::size_t i = 0; i < kFonts.size(); ++i)
        settings.WriteString(kSection, kFonts[i].name, printFonts[i]);
}

}  // namespace belvane
