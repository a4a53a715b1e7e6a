#include "viewer/ratio_steps.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Steps(int from, int count, int (*step)(int)) {
    std::vector<int> seen;
    for (int i = 0; i < count; ++i) seen.push_back(from = step(from));
    return seen;
}

TEST(RatioSteps, UpFromHundredGoesByHalvesThenHundreds) {
    EXPECT_EQ(Steps(100, 5, RatioStepUp), (std::vector<int>{150, 200, 300, 400, 500}));
    EXPECT_EQ(RatioStepUp(190), 200);
    EXPECT_EQ(RatioStepUp(120), 150);
    EXPECT_EQ(RatioStepUp(28), 30);
    EXPECT_EQ(RatioStepUp(0), 10);
    EXPECT_EQ(RatioStepUp(90), 100);
}

TEST(RatioSteps, UpInTheOpenRangesGoesToTheNextRoundValue) {
    // 91..99 reach 100; from 200 on a remainder of 50 or more still goes to
    // the next hundred, never past it.
    EXPECT_EQ(RatioStepUp(91), 100);
    EXPECT_EQ(RatioStepUp(99), 100);
    EXPECT_EQ(RatioStepUp(250), 300);
    EXPECT_EQ(RatioStepUp(399), 400);
    EXPECT_EQ(RatioStepUp(240), 300);
}

TEST(RatioSteps, DownFromHundredReachesZeroThenTen) {
    EXPECT_EQ(Steps(100, 10, RatioStepDown),
              (std::vector<int>{90, 80, 70, 60, 50, 40, 30, 20, 10, 0}));
    EXPECT_EQ(RatioStepDown(0), 10);
    EXPECT_EQ(RatioStepDown(28), 10);
    EXPECT_EQ(Steps(150, 2, RatioStepDown), (std::vector<int>{100, 90}));
    EXPECT_EQ(RatioStepDown(200), 150);
    EXPECT_EQ(RatioStepDown(101), 100);
}

TEST(RatioSteps, DownAboveTwoHundredRoundsThenDropsAHundred) {
    EXPECT_EQ(RatioStepDown(350), 300);
    EXPECT_EQ(RatioStepDown(340), 200);
    EXPECT_EQ(RatioStepDown(500), 400);
    EXPECT_EQ(RatioStepDown(201), 100);
    EXPECT_EQ(RatioStepDown(250), 200);
}

TEST(RatioSteps, StartPercentOutsideTheRangeBecomesHundred) {
    EXPECT_EQ(RatioStartPercent(0), 100);
    EXPECT_EQ(RatioStartPercent(-5), 100);
    EXPECT_EQ(RatioStartPercent(2000), 100);
    EXPECT_EQ(RatioStartPercent(2500), 100);
    EXPECT_EQ(RatioStartPercent(1), 1);
    EXPECT_EQ(RatioStartPercent(1999), 1999);
    EXPECT_EQ(RatioStartPercent(28), 28);
}

TEST(RatioSteps, SizeTexts) {
    EXPECT_EQ(RatioSizeText(640, 480), "640 x 480");
    EXPECT_EQ(RatioConvertedSizeText(640, 480, 100), "640 x 480");
    EXPECT_EQ(RatioConvertedSizeText(640, 480, 250), "1600 x 1200");
    EXPECT_EQ(RatioConvertedSizeText(640, 480, 0), "0 x 0");
    // Integer division truncates: 101 x 33 % = 33.33.
    EXPECT_EQ(RatioConvertedSizeText(101, 3, 33), "33 x 0");
    // No overflow for a large image at a large percentage.
    EXPECT_EQ(RatioConvertedSizeText(60000, 40000, 5000), "3000000 x 2000000");
}

}  // namespace
