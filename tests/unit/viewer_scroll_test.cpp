#include "viewer/viewer_scroll.h"

#include <gtest/gtest.h>

#include <QtCore/qnamespace.h>
#include <climits>

namespace {

TEST(ViewerScroll, ResetCoversThreeDisplaySizesCentred) {
    ViewerScroll scroll;
    scroll.Reset(640, 480, 1.0);
    EXPECT_EQ(scroll.h.max, 1920);
    EXPECT_EQ(scroll.v.max, 1440);
    EXPECT_EQ(scroll.h.pos, 960);
    EXPECT_EQ(scroll.h.home, 960);
    EXPECT_EQ(scroll.h.wanted, 960);
    EXPECT_EQ(scroll.v.pos, 720);
    EXPECT_EQ(scroll.OriginX(), 0);
    EXPECT_EQ(scroll.OriginY(), 0);
}

TEST(ViewerScroll, ResetTruncatesAndHalvesByIntegerDivision) {
    ViewerScroll scroll;
    // 3 x 101 x 0.29 = 87.87 → 87; half 43.
    scroll.Reset(101, 7, 0.29);
    EXPECT_EQ(scroll.h.max, 87);
    EXPECT_EQ(scroll.h.pos, 43);
    // 3 x 7 x 0.29 = 6.09 → 6.
    EXPECT_EQ(scroll.v.max, 6);
    EXPECT_EQ(scroll.v.home, 3);
}

TEST(ViewerScroll, ResetAfterScrollingReturnsOriginToZero) {
    ViewerScroll scroll;
    scroll.Reset(100, 100, 1.0);
    scroll.h.wanted = 10;
    scroll.v.wanted = 290;
    ASSERT_TRUE(scroll.Apply());
    EXPECT_EQ(scroll.OriginX(), 140);
    EXPECT_EQ(scroll.OriginY(), -140);
    scroll.Reset(100, 100, 2.0);
    EXPECT_EQ(scroll.OriginX(), 0);
    EXPECT_EQ(scroll.OriginY(), 0);
    EXPECT_EQ(scroll.h.max, 600);
}

TEST(ViewerScroll, ApplyClampsToTheRangeAndReportsTheContentMove) {
    ViewerScroll scroll;
    scroll.Reset(10, 10, 1.0);  // 0..30, at 15
    scroll.h.wanted = 16;
    scroll.v.wanted = -40;
    auto move = scroll.Apply();
    ASSERT_TRUE(move);
    EXPECT_EQ(move->dx, -1);  // contents move left as the position grows
    EXPECT_EQ(move->dy, 15);
    EXPECT_EQ(scroll.h.pos, 16);
    EXPECT_EQ(scroll.v.pos, 0);
    EXPECT_EQ(scroll.v.wanted, 0);
    EXPECT_EQ(scroll.OriginY(), 15);

    scroll.v.wanted = 99;
    move = scroll.Apply();
    ASSERT_TRUE(move);
    EXPECT_EQ(scroll.v.pos, 30);
}

TEST(ViewerScroll, PageDownAtTheMaximumMovesNothing) {
    ViewerScroll scroll;
    scroll.Reset(10, 10, 1.0);
    scroll.v.pos = scroll.v.wanted = scroll.v.max;
    scroll.v.wanted = *ScrollActionTarget(ScrollAction::PageForward, scroll.v);
    EXPECT_EQ(scroll.v.wanted, 40);
    EXPECT_FALSE(scroll.Apply());
    EXPECT_EQ(scroll.v.pos, 30);
}

TEST(ViewerScroll, ActionTargets) {
    ScrollAxis axis;
    axis.pos = 50;
    axis.max = 120;
    EXPECT_EQ(ScrollActionTarget(ScrollAction::LineBack, axis), 49);
    EXPECT_EQ(ScrollActionTarget(ScrollAction::LineForward, axis), 51);
    EXPECT_EQ(ScrollActionTarget(ScrollAction::PageBack, axis), 40);
    EXPECT_EQ(ScrollActionTarget(ScrollAction::PageForward, axis), 60);
    EXPECT_EQ(ScrollActionTarget(ScrollAction::Thumb, axis, 77), 77);
    EXPECT_EQ(ScrollActionTarget(ScrollAction::ToStart, axis), 0);
    EXPECT_EQ(ScrollActionTarget(ScrollAction::ToEnd, axis), 120);
    EXPECT_FALSE(ScrollActionTarget(ScrollAction::EndScroll, axis));
}

TEST(ViewerScroll, WheelMovesOneDotWhateverTheDelta) {
    ScrollAxis axis;
    axis.pos = 5;
    EXPECT_EQ(WheelScrollTarget(120, axis), 4);
    EXPECT_EQ(WheelScrollTarget(960, axis), 4);
    EXPECT_EQ(WheelScrollTarget(-1, axis), 6);
    EXPECT_FALSE(WheelScrollTarget(0, axis));
}

TEST(ViewerScroll, KeySteps) {
    auto step = [](int key) {
        auto s = KeyScrollStep(key);
        return s ? std::pair{s->dh, s->dv} : std::pair{99, 99};
    };
    EXPECT_EQ(step(Qt::Key_PageUp), std::pair(0, -10));
    EXPECT_EQ(step(Qt::Key_PageDown), std::pair(0, 10));
    EXPECT_EQ(step(Qt::Key_Left), std::pair(-1, 0));
    EXPECT_EQ(step(Qt::Key_Right), std::pair(1, 0));
    EXPECT_EQ(step(Qt::Key_Up), std::pair(0, -1));
    EXPECT_EQ(step(Qt::Key_Down), std::pair(0, 1));
    EXPECT_FALSE(KeyScrollStep(Qt::Key_Home));
    EXPECT_FALSE(KeyScrollStep(Qt::Key_End));
    EXPECT_FALSE(KeyScrollStep(Qt::Key_A));
    // The arrows alone, without the page keys.
    EXPECT_EQ(ArrowKeyStep(Qt::Key_Up)->dv, -1);
    EXPECT_FALSE(ArrowKeyStep(Qt::Key_PageUp));
    EXPECT_FALSE(ArrowKeyStep(Qt::Key_PageDown));
}

TEST(ViewerScroll, TruncateToIntSaturates) {
    EXPECT_EQ(TruncateToInt(2.999), 2);
    EXPECT_EQ(TruncateToInt(-2.999), -2);
    EXPECT_EQ(TruncateToInt(1e12), INT_MAX);
    EXPECT_EQ(TruncateToInt(-1e12), INT_MIN);
}

}  // namespace
