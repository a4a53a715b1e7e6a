#include <gtest/gtest.h>

#include "platform/screen_fit.h"

namespace {

using platform::FitToScreen;

// A 1024 x 768 screen with a 32-dot panel along its bottom.
const QRect kSmallScreen(0, 0, 1024, 736);

TEST(ScreenFit, FrameInsideStaysWhereItIs) {
    EXPECT_EQ(FitToScreen({100, 80, 500, 400}, kSmallScreen), QRect(100, 80, 500, 400));
    // Touching the far edges is still inside.
    EXPECT_EQ(FitToScreen({524, 336, 500, 400}, kSmallScreen), QRect(524, 336, 500, 400));
}

TEST(ScreenFit, FramePastAnEdgeMovesInKeepingItsSize) {
    // A viewer beside the edit window reaching x = 1151: its right edge comes
    // to the screen's.
    EXPECT_EQ(FitToScreen({652, 100, 500, 420}, kSmallScreen), QRect(524, 100, 500, 420));
    // Below the panel's top and left of the screen at once.
    EXPECT_EQ(FitToScreen({-30, 500, 300, 300}, kSmallScreen), QRect(0, 436, 300, 300));
    // Above the top.
    EXPECT_EQ(FitToScreen({10, -25, 300, 200}, kSmallScreen), QRect(10, 0, 300, 200));
}

TEST(ScreenFit, OnlyTheSideThatCannotFitShrinks) {
    EXPECT_EQ(FitToScreen({200, 50, 1300, 400}, kSmallScreen), QRect(0, 50, 1024, 400));
    EXPECT_EQ(FitToScreen({200, 50, 300, 900}, kSmallScreen), QRect(200, 0, 300, 736));
    EXPECT_EQ(FitToScreen({-50, -50, 2000, 2000}, kSmallScreen), kSmallScreen);
}

TEST(ScreenFit, AvailableAreaAwayFromTheOrigin) {
    // A second screen right of the first, its panel on top.
    const QRect second(1024, 28, 1280, 996);
    EXPECT_EQ(FitToScreen({2200, 10, 300, 200}, second), QRect(2004, 28, 300, 200));
    EXPECT_EQ(FitToScreen({900, 500, 300, 200}, second), QRect(1024, 500, 300, 200));
}

TEST(ScreenFit, NothingToFitIntoLeavesTheFrame) {
    EXPECT_EQ(FitToScreen({1500, 900, 300, 200}, QRect()), QRect(1500, 900, 300, 200));
}

}  // namespace
