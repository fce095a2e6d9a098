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
    const struct {
        PixelSize available;
        WindowNeed need;
        std::optional<WindowShape> kept;
        WindowShape opens;
    } cases[] = {
        {wide, {{400, 300}, fill}, {}, {wide, true}},
        {small, {{400, 300}, fill}, {}, {small, true}},
        {wide, {{400, 300}, {500, 400}}, {}, {{500, 400}, false}},
        {wide, {{400, 300}, {200, 400}}, {}, {{400, 400}, false}},      // below the minimum
        {small, {{400, 300}, {800, 1000}}, {}, {{800, 768}, false}},    // beyond the screen
        {small, {{1051, 300}, {1051, 400}}, {}, {{1024, 400}, false}},  // the screen wins
        {wide, {{400, 300}, fill}, {{{700, 500}, false}}, {{700, 500}, false}},
        {small, {{400, 300}, fill}, {{{1500, 900}, false}}, {small, false}},  // a smaller screen
        {wide, {{400, 300}, {500, 400}}, {{{}, true}}, {wide, true}},
        {wide, {{400, 300}, {500, 400}}, {{{300, 200}, false}}, {{400, 300}, false}},
    };
    for (const auto& c : cases) {
        CMemorySettings settings;
        if (c.kept)
            KeepShape(settings, 189, *c.kept);
        const std::optional<WindowShape> chosen = ChosenShape(settings, 189);
        EXPECT_EQ(chosen.has_value(), c.kept.has_value());
        const WindowShape opens = OpeningShape(c.available, c.need, chosen);
        EXPECT_EQ(opens, c.opens) << opens.size.width << "x" << opens.size.height;
    }
}

}  // namespace
}  // namespace belvane
