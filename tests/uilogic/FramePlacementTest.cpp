#include "uilogic/FramePlacement.h"

#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace belvane {
namespace {

TEST(FramePlacement, ASavedPositionNeedsANonZeroWidth) {
    for (const std::optional<int> width : {std::optional<int>(), std::optional<int>(0)}) {
        CMemorySettings settings;
        settings.WriteInt("Settings", "PositionX", -20);
        settings.WriteInt("Settings", "PositionY", 30);
        settings.WriteInt("Settings", "PositionHeight", 400);
        if (width)
            settings.WriteInt("Settings", "PositionWidth", *width);
        EXPECT_EQ(FramePlacement::Saved(settings), std::nullopt);
        settings.WriteInt("Settings", "PositionWidth", 640);
        EXPECT_EQ(FramePlacement::Saved(settings), (WindowRect{-20, 30, 640, 400}));
    }
}

TEST(FramePlacement, CloseStoresTheLastNormalRectangle) {
    using S = WindowShow;
    const WindowRect first{10, 20, 600, 400}, second{50, 60, 700, 500}, own{1, 2, 3, 4};
    const WindowRect screen{0, 0, 1920, 1080}, icon{0, 1040, 160, 30};
    // The moves and resizes in order, the state at close, the CmdShow stored (0:
    // nothing is written) and the rectangle stored.
    const std::tuple<std::vector<std::pair<S, WindowRect>>, S, int, WindowRect> cases[] = {
        {{{S::Normal, first}, {S::Normal, second}}, S::Normal, 1, second},
        {{{S::Normal, first}, {S::Maximized, screen}}, S::Maximized, 3, first},
        {{{S::Normal, first}, {S::Minimized, icon}}, S::Minimized, 0, {}},
        {{}, S::Maximized, 3, own},  // nothing tracked: the window's own rectangle
        {{{S::Normal, first}, {S::Minimized, icon}, {S::Normal, second}}, S::Normal, 1, second},
    };
    for (const auto& [events, atClose, cmdShow, stored] : cases) {
        CMemorySettings settings;
        FramePlacement placement;
        for (const auto& [show, rect] : events)
            placement.Track(show, rect);
        placement.Store(settings, atClose, own);
        EXPECT_EQ(settings.GetInt("Settings", "CmdShow", 0), cmdShow);
        if (cmdShow == 0) {
            for (const char* name : {"PositionX", "PositionY", "PositionWidth", "PositionHeight"})
                EXPECT_FALSE(settings.Contains("Settings", name)) << name;
        } else {
            EXPECT_EQ(FramePlacement::Saved(settings), stored);
        }
    }
}

}  // namespace
}  // namespace belvane
