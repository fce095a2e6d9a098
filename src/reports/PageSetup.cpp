#include "reports/PageSetup.h"

#include "core/SettingsStore.h"

#include <unicode/uloc.h>
#include <unicode/ulocdata.h>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

namespace belvane {

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kPaperWidth = "PrintPaperWidth";
constexpr const char* kPaperHeight = "PrintPaperHeight";
constexpr const char* kOrientation = "PrintOrientation";
constexpr const char* kMargins = "PrintMargins";

// Sheets from 10 cm to 2 m; a printable area of at least 5 cm each way.
constexpr int kSmallestPaper = 1000, kLargestPaper = 20000, kSmallestArea = 500;

int ToPixels(int tenthsMm, int dpi) {
    return static_cast<int>(std::lround(tenthsMm * static_cast<double>(dpi) / 254.0));
}

bool ReadMargins(const std::string& text, int (&out)[4]) {
    const char* p = text.data();
    const char* end = p + text.size();
    for (int i = 0; i < 4; ++i) {
        if (i > 0 && (p == end || *p++ != ','))
            return false;
        const auto [next, ec] = std::from_chars(p, end, out[i]);
        if (ec != std::errc() || out[i] < 0)
            return false;
        p = next;
    }
    return p == end;
}

}  // namespace

PageArea ComputePageArea(const PageSetup& setup, int dpi) {
    int width = setup.paperWidth, height = setup.paperHeight;
    if (setup.landscape)
        std::swap(width, height);
    PageArea area;
    area.paperWidth = ToPixels(width, dpi);
    area.paperHeight = ToPixels(height, dpi);
    area.left = ToPixels(setup.marginLeft, dpi);
    area.top = ToPixels(setup.marginTop, dpi);
    area.width = ToPixels(width - setup.marginLeft - setup.marginRight, dpi);
    area.height = ToPixels(height - setup.marginTop - setup.marginBottom, dpi);
    return area;
}

PageSetup DefaultPageSetup(int langId) {
    PageSetup setup;
    UErrorCode status = U_ZERO_ERROR;
    char locale[ULOC_FULLNAME_CAPACITY] = {};
    uloc_getLocaleForLCID(static_cast<std::uint32_t>(langId), locale, sizeof locale, &status);
    if (U_FAILURE(status) || locale[0] == '\0' || std::string_view(locale) == "root")
        return setup;
    int32_t height = 0, width = 0;
    ulocdata_getPaperSize(locale, &height, &width, &status);
    // The data knows two sheets: A4 (297 x 210 mm) and Letter (279 x 216).
    if (U_SUCCESS(status) && height == 279 && width == 216) {
        setup.paperWidth = 2159;
        setup.paperHeight = 2794;
    }
    return setup;
}

PageSetup ReadPageSetup(const ISettingsStore* settings, int langId) {
    PageSetup setup = DefaultPageSetup(langId);
    if (settings == nullptr)
        return setup;
    PageSetup read = setup;
    read.paperWidth = settings->GetInt(kSection, kPaperWidth, setup.paperWidth);
    read.paperHeight = settings->GetInt(kSection, kPaperHeight, setup.paperHeight);
    read.landscape = settings->GetInt(kSection, kOrientation, 0) == 1;
    int margins[4] = {};
    if (ReadMargins(settings->GetString(kSection, kMargins, ""), margins)) {
        read.marginLeft = margins[0];
        read.marginTop = margins[1];
        read.marginRight = margins[2];
        read.marginBottom = margins[3];
    }
    auto within = [](int v) { return v >= kSmallestPaper && v <= kLargestPaper; };
    if (!within(read.paperWidth) || !within(read.paperHeight))
        return setup;
    setup = read;
    const int across = read.landscape ? read.paperHeight : read.paperWidth;
    const int down = read.landscape ? read.paperWidth : read.paperHeight;
    if (across - read.marginLeft - read.marginRight < kSmallestArea ||
        down - read.marginTop - read.marginBottom < kSmallestArea) {
        const PageSetup fallback;
        setup.marginLeft = fallback.marginLeft;
        setup.marginTop = fallback.marginTop;
        setup.marginRight = fallback.marginRight;
        setup.marginBottom = fallback.marginBottom;
    }
    return setup;
}

void WritePageSetup(ISettingsStore& settings, const PageSetup& setup) {
    settings.WriteInt(kSection, kPaperWidth, setup.paperWidth);
    settings.WriteInt(kSection, kPaperHeight, setup.paperHeight);
    settings.WriteInt(kSection, kOrientation, setup.landscape ? 1 : 0);
    settings.WriteString(kSection, kMargins,
                         std::to_string(setup.marginLeft) + ',' + std::to_string(setup.marginTop) +
                             ',' + std::to_string(setup.marginRight) + ',' +
                             std::to_string(setup.marginBottom));
}

}  // namespace belvane
