#include "uilogic/FramePlacement.h"

#include "FrameTestSupport.h"

#include <QTest>

#include <gtest/gtest.h>

namespace belvane {
namespace {

using testing::FrameFixture;

// --- the rules ----------------------------------------------------------------

struct SavedCase {
    const char* name;
    std::optional<int> width;  // PositionWidth as stored, nothing when absent
    std::optional<WindowRect> expected;
};

void PrintTo(const SavedCase& c, std::ostream* os) {
    *os << c.name;
}

class SavedPlacement : public ::testing::TestWithParam<SavedCase> {};

TEST_P(SavedPlacement, NeedsANonZeroWidth) {
    CMemorySettings settings;
    settings.WriteInt("Settings", "PositionX", -20);
    settings.WriteInt("Settings", "PositionY", 30);
    settings.WriteInt("Settings", "PositionHeight", 400);
    if (GetParam().width)
        settings.WriteInt("Settings", "PositionWidth", *GetParam().width);
    EXPECT_EQ(FramePlacement::Saved(settings), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Width, SavedPlacement,
                         ::testing::Values(SavedCase{"Absent", std::nullopt, std::nullopt},
                                           SavedCase{"Zero", 0, std::nullopt},
                                           SavedCase{"Given", 640, WindowRect{-20, 30, 640, 400}}),
                         [](const auto& info) { return std::string(info.param.name); });

struct StoreCase {
    const char* name;
    std::vector<std::pair<WindowShow, WindowRect>> events;  // moves and resizes, in order
    WindowShow atClose;
    std::optional<int> cmdShow;  // nothing: the five values are not written
    WindowRect stored;
};

void PrintTo(const StoreCase& c, std::ostream* os) {
    *os << c.name;
}

class StoredPlacement : public ::testing::TestWithParam<StoreCase> {};

TEST_P(StoredPlacement, KeepsTheLastNormalRectangle) {
    const StoreCase& c = GetParam();
    CMemorySettings settings;
    FramePlacement placement;
    for (const auto& [show, rect] : c.events)
        placement.Track(show, rect);
    placement.Store(settings, c.atClose, WindowRect{1, 2, 3, 4});
    if (!c.cmdShow) {
        for (const char* name :
             {"CmdShow", "PositionX", "PositionY", "PositionWidth", "PositionHeight"})
            EXPECT_FALSE(settings.Contains("Settings", name)) << name;
        return;
    }
    EXPECT_EQ(settings.GetInt("Settings", "CmdShow", 0), *c.cmdShow);
    EXPECT_EQ(FramePlacement::Saved(settings), c.stored);
}

const WindowRect kFirst{10, 20, 600, 400};
const WindowRect kSecond{50, 60, 700, 500};
const WindowRect kScreen{0, 0, 1920, 1080};
const WindowRect kIcon{0, 1040, 160, 30};

INSTANTIATE_TEST_SUITE_P(
    Close, StoredPlacement,
    ::testing::Values(StoreCase{"NormalStoresTheLastRectangle",
                                {{WindowShow::Normal, kFirst}, {WindowShow::Normal, kSecond}},
                                WindowShow::Normal,
                                1,
                                kSecond},
                      StoreCase{"MaximizedStoresThreeAndTheNormalRectangle",
                                {{WindowShow::Normal, kFirst}, {WindowShow::Maximized, kScreen}},
                                WindowShow::Maximized,
                                3,
                                kFirst},
                      StoreCase{"MinimizedWritesNothing",
                                {{WindowShow::Normal, kFirst}, {WindowShow::Minimized, kIcon}},
                                WindowShow::Minimized,
                                std::nullopt,
                                {}},
                      StoreCase{"NothingTrackedFallsBackToTheWindowsOwn",
                                {},
                                WindowShow::Maximized,
                                3,
                                WindowRect{1, 2, 3, 4}},
                      StoreCase{"RestoredAfterMinimizingStoresTheNormalOne",
                                {{WindowShow::Normal, kFirst},
                                 {WindowShow::Minimized, kIcon},
                                 {WindowShow::Normal, kSecond}},
                                WindowShow::Normal,
                                1,
                                kSecond}),
    [](const auto& info) { return std::string(info.param.name); });

// --- on the frame ---------------------------------------------------------------

class FramePosition : public ::testing::Test {
protected:
    FrameFixture f;
};

TEST_F(FramePosition, AZeroWidthMeansNoSavedPosition) {
    f.settings.WriteInt("Settings", "PositionX", 333);
    f.settings.WriteInt("Settings", "PositionY", 222);
    f.settings.WriteInt("Settings", "PositionWidth", 0);
    f.settings.WriteInt("Settings", "PositionHeight", 111);
    f.Make();
    EXPECT_NE(f.frame->geometry().topLeft(), QPoint(333, 222));
    EXPECT_NE(f.frame->geometry().height(), 111);
}

TEST_F(FramePosition, RoundTripThroughTheSettings) {
    f.Make();
    f.frame->setGeometry(120, 80, 640, 400);
    f.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    f.frame->setGeometry(130, 90, 700, 450);
    ASSERT_TRUE(f.frame->close());
    EXPECT_EQ(f.settings.GetInt("Settings", "CmdShow", 0), 1);
    EXPECT_EQ(FramePlacement::Saved(f.settings), (WindowRect{130, 90, 700, 450}));

    // The next frame opens there.
    f.Make();
    EXPECT_EQ(f.frame->geometry(), QRect(130, 90, 700, 450));
}

TEST_F(FramePosition, MaximizedStoresThreeWithTheNormalRectangle) {
    f.Make();
    f.frame->setGeometry(100, 100, 640, 400);
    f.frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.frame.get()));
    f.frame->showMaximized();
    QTRY_VERIFY(f.frame->isMaximized());
    ASSERT_TRUE(f.frame->close());
    EXPECT_EQ(f.settings.GetInt("Settings", "CmdShow", 0), 3);
    EXPECT_EQ(FramePlacement::Saved(f.settings), (WindowRect{100, 100, 640, 400}));
}

TEST_F(FramePosition, MinimizedWritesNothing) {
    f.settings.WriteInt("Settings", "PositionX", 5);
    f.settings.WriteInt("Settings", "PositionY", 6);
    f.settings.WriteInt("Settings", "PositionWidth", 500);
    f.settings.WriteInt("Settings", "PositionHeight", 300);
    f.settings.WriteInt("Settings", "CmdShow", 3);
    f.Make();
    f.frame->show();
    f.frame->resize(800, 600);
    f.frame->showMinimized();
    QTRY_VERIFY(f.frame->isMinimized());
    ASSERT_TRUE(f.frame->close());
    EXPECT_EQ(f.settings.GetInt("Settings", "CmdShow", 0), 3);
    EXPECT_EQ(FramePlacement::Saved(f.settings), (WindowRect{5, 6, 500, 300}));
}

}  // namespace
}  // namespace belvane
