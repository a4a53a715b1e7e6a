#include <gtest/gtest.h>

#include "platform/screen_fit.h"

namespace {

TEST(ScreenFit, FramesMoveInAndOnlyASideTooLongShrinks) {
    // A 1024 x 768 screen with a 32-dot panel along its bottom; a second
    // screen right of it with its panel on top.
    const QRect small(0, 0, 1024, 736);
    const QRect second(1024, 28, 1280, 996);
    const struct {
        QRect frame, available, fitted;
    } cases[] = {
        {{100, 80, 500, 400}, small, {100, 80, 500, 400}},    // inside
        {{524, 336, 500, 400}, small, {524, 336, 500, 400}},  // touching the far edges
        {{652, 100, 500, 420}, small, {524, 100, 500, 420}},  // a viewer past the right edge
        {{-30, 500, 300, 300}, small, {0, 436, 300, 300}},    // left and below the panel's top
        {{10, -25, 300, 200}, small, {10, 0, 300, 200}},      // above the top
        {{200, 50, 1300, 400}, small, {0, 50, 1024, 400}},    // too wide
        {{200, 50, 300, 900}, small, {200, 0, 300, 736}},     // too high
        {{-50, -50, 2000, 2000}, small, small},
        {{2200, 10, 300, 200}, second, {2004, 28, 300, 200}},
        {{900, 500, 300, 200}, second, {1024, 500, 300, 200}},
        {{1500, 900, 300, 200}, QRect(), {1500, 900, 300, 200}},  // nothing to fit into
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::FitToScreen(c.frame, c.available), c.fitted) << c.frame.x();
}

}  // namespace
