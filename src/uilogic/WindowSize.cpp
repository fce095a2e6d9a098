#include "uilogic/WindowSize.h"

#include "core/SettingsStore.h"

#include <algorithm>
#include <string>

namespace belvane {

namespace {

constexpr std::string_view kSection = "Windows";

std::string Name(int window, const char* what) {
    return "Dialog" + std::to_string(window) + what;
}

int Fit(int size, int minimum, int available) {
    return std::min(std::max(size, minimum), available);
}

}  // namespace

WindowShape OpeningShape(PixelSize available, const WindowNeed& need,
                         const std::optional<WindowShape>& chosen) {
    WindowShape shape{need.wanted, need.wanted.Empty()};
    if (chosen) {
        shape.maximized = chosen->maximized;
        if (!chosen->size.Empty())
            shape.size = chosen->size;
    }
    if (shape.maximized || shape.size.Empty())
        shape.size = available;
    shape.size = {Fit(shape.size.width, need.minimum.width, available.width),
                  Fit(shape.size.height, need.minimum.height, available.height)};
    return shape;
}

std::optional<WindowShape> ChosenShape(const ISettingsStore& settings, int window) {
    const std::optional<int> maximized = settings.ReadInt(kSection, Name(window, "Maximized"));
    const PixelSize size{settings.GetInt(kSection, Name(window, "Width"), 0),
                         settings.GetInt(kSection, Name(window, "Height"), 0)};
    if (!maximized && size.Empty())
        return std::nullopt;
    return WindowShape{size.Empty() ? PixelSize{} : size, maximized.value_or(0) != 0};
}

void KeepShape(ISettingsStore& settings, int window, const WindowShape& shape) {
    settings.WriteInt(kSection, Name(window, "Maximized"), shape.maximized ? 1 : 0);
    // A maximised window keeps the size it is restored to.
    if (shape.maximized || shape.size.Empty())
        return;
    settings.WriteInt(kSection, Name(window, "Width"), shape.size.width);
    settings.WriteInt(kSection, Name(window, "Height"), shape.size.height);
}

}  // namespace belvane
