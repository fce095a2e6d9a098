#include "uilogic/FramePlacement.h"

#include "core/SettingsStore.h"

namespace belvane {

namespace {
constexpr std::string_view kSection = "Settings";
}

std::optional<WindowRect> FramePlacement::Saved(const ISettingsStore& settings) {
    WindowRect r;
    r.width = settings.GetInt(kSection, "PositionWidth", 0);
    if (r.width == 0)
        return std::nullopt;
    r.x = settings.GetInt(kSection, "PositionX", 0);
    r.y = settings.GetInt(kSection, "PositionY", 0);
    r.height = settings.GetInt(kSection, "PositionHeight", 0);
    return r;
}

void FramePlacement::Track(WindowShow show, const WindowRect& rect) {
    if (show == WindowShow::Normal)
        m_normal = rect;
}

void FramePlacement::Store(ISettingsStore& settings, WindowShow show,
                           const WindowRect& fallback) const {
    if (show == WindowShow::Minimized)
        return;
    const WindowRect r = m_normal.value_or(fallback);
    settings.WriteInt(kSection, "CmdShow",
                      show == WindowShow::Maximized ? kShowMaximized : kShowNormal);
    settings.WriteInt(kSection, "PositionX", r.x);
    settings.WriteInt(kSection, "PositionY", r.y);
    settings.WriteInt(kSection, "PositionWidth", r.width);
    settings.WriteInt(kSection, "PositionHeight", r.height);
}

}  // namespace belvane
