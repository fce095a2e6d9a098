#include "uilogic/DisplayPreferences.h"

#include "core/SettingsStore.h"
#include "core/ValueFormat.h"
#include "reports/PrintFontCode.h"

namespace belvane {

namespace {
constexpr std::string_view kSection = "Settings";
constexpr std::array kFonts = {PrintFontSetting::Header, PrintFontSetting::Lines,
                               PrintFontSetting::Graph};
}  // namespace

DisplayPreferences DisplayPreferences::Read(const ISettingsStore& settings,
                                            std::string_view defaultSymbol,
                                            std::string_view defaultFormat) {
    DisplayPreferences p;
    p.decimalSymbol = settings.GetString(kSection, "DecimalSymbol", defaultSymbol);
    // A symbol kept by an older version may leave the amounts shown unreadable.
    if (!IsUsableDecimalSymbol(p.decimalSymbol))
        p.decimalSymbol = defaultSymbol;
    p.dateFormat = settings.GetString(kSection, "DateFormat", defaultFormat);
    for (std::size_t i = 0; i < kFonts.size(); ++i)
        p.printFonts[i] = settings.GetString(kSection, PrintFontSettingName(kFonts[i]),
                                             PrintFontSettingDefault(kFonts[i]));
    return p;
}

void DisplayPreferences::Write(ISettingsStore& settings) const {
    settings.WriteString(kSection, "DecimalSymbol", decimalSymbol);
    settings.WriteString(kSection, "DateFormat", dateFormat);
    for (std::size_t i = 0; i < kFonts.size(); ++i)
        settings.WriteString(kSection, PrintFontSettingName(kFonts[i]), printFonts[i]);
}

}  // namespace belvane
