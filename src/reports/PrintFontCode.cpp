#include "reports/PrintFontCode.h"

#include "core/SettingsStore.h"
#include "core/Text.h"

#include <cstdint>
#include <cstdlib>

namespace belvane {

namespace {

// The number a field holds, or `fallback` when it holds none.
int FieldNumber(std::string_view field, int fallback) {
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    return text::ToInt(field).value_or(fallback);
}

}  // namespace

const char* PrintFontSettingName(PrintFontSetting setting) {
    switch (setting) {
        case PrintFontSetting::Header:
            return "PrintFontHeader";
        case PrintFontSetting::Lines:
            return "PrintFontLines";
        case PrintFontSetting::Graph:
            return "PrintFontGraph";
    }
    return "";
}

const char* PrintFontSettingDefault(PrintFontSetting setting) {
    switch (setting) {
        case PrintFontSetting::Header:
            return "Arial,120,700,0,1";
        case PrintFontSetting::Lines:
            return "Courier New,100,400,0,1";
        case PrintFontSetting::Graph:
            return "Arial,80,400,0,1";
    }
    return "";
}

PrintFontCode ReadPrintFont(const ISettingsStore* settings, PrintFontSetting setting) {
    const char* fallback = PrintFontSettingDefault(setting);
    if (settings == nullptr)
        return ParsePrintFontCode(fallback);
    return ParsePrintFontCode(
        settings->GetString("Settings", PrintFontSettingName(setting), fallback));
}

PrintFonts ReadPrintFonts(const ISettingsStore* settings) {
    return {ReadPrintFont(settings, PrintFontSetting::Header),
            ReadPrintFont(settings, PrintFontSetting::Lines),
            ReadPrintFont(settings, PrintFontSetting::Graph)};
}

PrintFontCode ParsePrintFontCode(std::string_view text) {
    PrintFontCode code;
    std::string_view fields[5];
    int count = 0;
    while (count < 5) {
        const std::size_t comma = text.find(',');
        fields[count++] = text.substr(0, comma);
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    if (!fields[0].empty())
        code.face = std::string(fields[0]);
    code.sizeTenths = FieldNumber(fields[1], code.sizeTenths);
    code.weight = FieldNumber(fields[2], code.weight);
    code.italic = FieldNumber(fields[3], 0) != 0;
    code.charSet = FieldNumber(fields[4], code.charSet);
    return code;
}

std::string FormatPrintFontCode(const PrintFontCode& code) {
    return code.face + ',' + std::to_string(code.sizeTenths) + ',' + std::to_string(code.weight) +
           ',' + (code.italic ? '1' : '0') + ',' + std::to_string(code.charSet);
}

int PrintFontHeight(int sizeTenths, int dpiY) {
    const std::int64_t product = static_cast<std::int64_t>(sizeTenths) * dpiY;
    const std::int64_t magnitude = (std::llabs(product) + 360) / 720;
    return static_cast<int>(product < 0 ? magnitude : -magnitude);
}

}  // namespace belvane
