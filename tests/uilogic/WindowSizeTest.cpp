#include "uilogic/WindowSize.h"

#include "core/SettingsStore.h"

#include <gtest/gtest.h>

#include <optional>

namespace belvane {
namespace {

// Each case keeps the user's earlier shape (if any) in the settings, reads it
// back and opens the window on the screen.
TEST(WindowSize, OpensWithinTheScreenAtAUsableSize) {
    const PixelSize wide{1600, 1000}, small{1024, 768};
    const PixelSize fill{};  // the windows that open maximised
    // The screen's room, the window's need, the shape kept, the shape it opens in.
    const std::tuple<PixelSize, WindowNeed, std::optional<WindowShape>, WindowShape> cases[] = {
        {wide, {{400, 300}, fill}, {}, {wide, true}},
        {wide, {{400, 300}, {500, 400}}, {}, {{500, 400}, false}},
        {wide, {{400, 300}, {200, 400}}, {}, {{400, 400}, false}},      // below the minimum
        {small, {{400, 300}, {800, 1000}}, {}, {{800, 768}, false}},    // beyond the screen
        {small, {{1051, 300}, {1051, 400}}, {}, {{1024, 400}, false}},  // the screen wins
        {wide, {{400, 300}, fill}, {{{700, 500}, false}}, {{700, 500}, false}},
        {small, {{400, 300}, fill}, {{{1500, 900}, false}}, {small, false}},  // a smaller screen
        {wide, {{400, 300}, {500, 400}}, {{{}, true}}, {wide, true}},
        {wide, {{400, 300}, {500, 400}}, {{{300, 200}, false}}, {{400, 300}, false}},
    };
    for (const auto& [available, need, kept, expected] : cases) {
        CMemorySettings settings;
        if (kept)
            KeepShape(settings, 189, *kept);
        const std::optional<WindowShape> chosen = ChosenShape(settings, 189);
        EXPECT_EQ(chosen.has_value(), kept.has_value());
        const WindowShape opens = OpeningShape(available, need, chosen);
        EXPECT_EQ(opens, expected) << opens.size.width << "x" << opens.size.height;
    }
}

}  // namespace
}  // namespace belvane
