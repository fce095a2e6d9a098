#pragma once

#include <optional>

namespace belvane {

class ISettingsStore;

struct PixelSize {
    int width = 0;
    int height = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    bool operator==(const PixelSize&) const = default;
};

// A window's size and whether it is maximised.
struct WindowShape {
    PixelSize size;
    bool maximized = false;

    bool operator==(const WindowShape&) const = default;
};

// What a window asks for when it opens: below `minimum` its content is not
// usable; `wanted` is its own size, empty for the windows that open maximised
// over the whole available area.
struct WindowNeed {
    PixelSize minimum;
    PixelSize wanted;
};

// How a window opens on a screen whose available area (without the desktop's
// panels) is `available`: as its user left it last time when `chosen` holds
// that, else as it asks. A maximised window is also given the whole available
// area, for the desktops that do not maximise it. The size is never below the
// minimum nor beyond the available area, which wins when the two disagree.
WindowShape OpeningShape(PixelSize available, const WindowNeed& need,
                         const std::optional<WindowShape>& chosen);

// The shape a user left window number `window` at: section "Windows", values
// "Dialog<n>Width", "Dialog<n>Height" and "Dialog<n>Maximized". Nothing when
// none was kept; a maximised window keeps the size it had before.
std::optional<WindowShape> ChosenShape(const ISettingsStore& settings, int window);
void KeepShape(ISettingsStore& settings, int window, const WindowShape& shape);

}  // namespace belvane
