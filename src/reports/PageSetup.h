#pragma once

namespace belvane {

class ISettingsStore;

// The paper every print is laid out on, as "Configuration de l'impression"
// chooses it and the settings keep it. Lengths in tenths of a millimetre.
struct PageSetup {
    int paperWidth = 2100;  // of the sheet held upright
    int paperHeight = 2970;
    bool landscape = false;
    int marginLeft = 100, marginTop = 100, marginRight = 100, marginBottom = 100;

    bool operator==(const PageSetup&) const = default;
};

// Pages are laid out at this resolution whatever the device, so that the
// preview, a printer and a PDF file get the same lines on the same pages.
inline constexpr int kPrintDpi = 1200;

// A page in pixels: the sheet as it is turned, and the printable area inside
// the margins (where the page's drawing starts).
struct PageArea {
    int paperWidth = 0, paperHeight = 0;
    int left = 0, top = 0;
    int width = 0, height = 0;

    bool operator==(const PageArea&) const = default;
};

PageArea ComputePageArea(const PageSetup& setup, int dpi);

// Upright A4 or Letter, whichever the country of the Windows language
// `langId` uses (A4 when it is not known), with margins of 10 mm.
PageSetup DefaultPageSetup(int langId);

// The page setup of the settings (section "Settings": PrintPaperWidth,
// PrintPaperHeight, PrintOrientation, PrintMargins "left,top,right,bottom");
// the default of `langId` for what is missing or would leave no room to print.
PageSetup ReadPageSetup(const ISettingsStore* settings, int langId);
void WritePageSetup(ISettingsStore& settings, const PageSetup& setup);

}  // namespace belvane
