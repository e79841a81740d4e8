#include "app/window_geometry.h"

#include <gtest/gtest.h>

#include "tests/fakes/fake_window_system.h"

namespace tess {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, int> cases[] = {{300.5, 300}, {301.5, 302}, {-300.5, -300}, {-301.5, -302},
                                            {373.75, 374}, {288.75, 289}, {2.4999, 2}, {0.5, 0}};
    for (auto [value, expected] : cases) EXPECT_EQ(RoundHalfEven(value), expected) << value;
}

struct CenterCase {
    double screen_w, screen_h, form_w, form_h;
    int left, top;
};

TEST(CenteredPosition, RoundsThenHalvesTowardZero) {
    const CenterCase cases[] = {
        {15360, 11520, 4485, 3465, 5437, 4027},
        {1000, 1000, 1301, 1000, -150, 0},     // 301 wider than the screen: -150, not -151
        {1000.5, 1000, 700, 1000, 150, 0},     // 300.5 rounds to 300
        {1001.5, 1000, 700, 1000, 151, 0},     // 301.5 rounds to 302
    };
    for (const auto& c : cases) {
        const TwipsPosition at = CenteredPosition({c.screen_w, c.screen_h, 15, 15}, {c.form_w, c.form_h});
        EXPECT_EQ(at.left, c.left);
        EXPECT_EQ(at.top, c.top);
    }
}

TEST(RoundedOutline, CoversTheOuterWindowInPixels) {
    const RoundRegion at96 = RoundedOutline({4485, 3465}, {15360, 11520, 15, 15});
    EXPECT_EQ(at96.right, 299);
    EXPECT_EQ(at96.bottom, 231);
    EXPECT_EQ(at96.ellipse_width, 20);
    EXPECT_EQ(at96.ellipse_height, 20);
    const RoundRegion at120 = RoundedOutline({4485, 3465}, {15360, 11520, 12, 12});
    EXPECT_EQ(at120.right, 374);
    EXPECT_EQ(at120.bottom, 289);
}

TEST(CenterForm, MovesThroughTheWindowSystemKeepingTheSize) {
    testing::FakeWindowSystem windows;
    FormEvents events;
    FormSpec table;
    table.client_width = 4395;
    table.client_height = 3060;
    const WindowId id = windows.Create(table, events);
    CenterForm(windows, id);
    // Outer size is the client plus the fake's frame: 4485 x 3465.
    EXPECT_EQ(windows.Window(id).left, 5437);
    EXPECT_EQ(windows.Window(id).top, 4027);
    ApplyRoundedOutline(windows, id);
    ApplyRoundedOutline(windows, id);
    ASSERT_EQ(windows.Window(id).regions.size(), 2u);  // each resize sets a region of its own
    EXPECT_EQ(windows.Window(id).regions[1], (std::vector<int>{299, 231, 20, 20}));
}

}  // namespace
}  // namespace tess
