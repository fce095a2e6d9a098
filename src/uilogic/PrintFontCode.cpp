#include "uilogic/PrintFontCode.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace belvane {

namespace {

std::vector<std::string_view> SplitAtCommas(std::string_view code) {
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t comma = code.find(',');
        parts.push_back(code.substr(0, comma));
        if (comma == std::string_view::npos)
            return parts;
        code.remove_prefix(comma + 1);
    }
}

// Part `i` read as a number, or `fallback` when it is missing or unreadable.
int NumberPart(const std::vector<std::string_view>& parts, std::size_t i, int fallback) {
    if (i >= parts.size())
        return fallback;
    std::string_view text = parts[i];
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end != text.data() ? value : fallback;
}

}  // namespace

PrintFontCode PrintFontCode::Parse(std::string_view code) {
    const std::vector<std::string_view> parts = SplitAtCommas(code);
    PrintFontCode font;
    if (!parts[0].empty())
        font.face = std::string(parts[0]);
    font.sizeTenths = NumberPart(parts, 1, font.sizeTenths);
    font.weight = NumberPart(parts, 2, font.weight);
    font.italic = NumberPart(parts, 3, font.italic);
    font.charSet = NumberPart(parts, 4, font.charSet);
    return font;
}

std::string PrintFontCode::Format() const {
    return face + ',' + std::to_string(sizeTenths) + ',' + std::to_string(weight) + ',' +
           std::to_string(italic) + ',' + std::to_string(charSet);
}

int PrintFontCode::DeviceHeight(int pixelsPerInchY) const {
    return -static_cast<int>(std::lround(sizeTenths * static_cast<double>(pixelsPerInchY) / 720.0));
}

}  // namespace belvane
