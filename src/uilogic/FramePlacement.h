#pragma once

#include <optional>

namespace belvane {

class ISettingsStore;

// A window rectangle in screen pixels.
struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool operator==(const WindowRect&) const = default;
};

enum class WindowShow { Normal, Maximized, Minimized };

// The main window's remembered position: PositionX, PositionY, PositionWidth,
// PositionHeight and CmdShow of section "Settings". The frame tells it about
// every move and resize; what it keeps is the last rectangle the window had in
// the normal state, so that a window closed maximized reopens maximized and
// still restores to where it was.
class FramePlacement {
public:
    // CmdShow values, as the settings have always held them.
    static constexpr int kShowNormal = 1;
    static constexpr int kShowMaximized = 3;

    // The rectangle stored by an earlier run, or nothing (PositionWidth 0 or absent):
    // then the system places the window.
    static std::optional<WindowRect> Saved(const ISettingsStore& settings);

    // A move or resize while the window is in `show` state with rectangle `rect`.
    void Track(WindowShow show, const WindowRect& rect);
    void SetNormal(const WindowRect& rect) { m_normal = rect; }
    const std::optional<WindowRect>& Normal() const { return m_normal; }

    // Writes CmdShow and the normal rectangle (`fallback` when none was tracked),
    // unless the window is minimized: then the settings stay as they were.
    void Store(ISettingsStore& settings, WindowShow show, const WindowRect& fallback) const;

private:
    std::optional<WindowRect> m_normal;
};

}  // namespace belvane
