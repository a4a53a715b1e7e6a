#include "viewer/rect_tracker.h"

#include <gtest/gtest.h>

#include "viewer/image_write.h"

namespace {

constexpr TrackerZone kZone{20, 20, 320, 320};

TEST(RectTracker, HandlesWithinOneDotOfTheirPointsInTheWrittenOrder) {
    EXPECT_EQ(HandleWithinReach(kZone, 19, 19), TrackerPart::TopLeft);
    EXPECT_EQ(HandleWithinReach(kZone, 21, 21), TrackerPart::TopLeft);
    EXPECT_EQ(HandleWithinReach(kZone, 18, 18), std::nullopt);
    EXPECT_EQ(HandleWithinReach(kZone, 22, 20), std::nullopt);
    EXPECT_EQ(HandleWithinReach(kZone, 171, 19), TrackerPart::Top);
    EXPECT_EQ(HandleWithinReach(kZone, 321, 170), TrackerPart::Right);
    EXPECT_EQ(HandleWithinReach(kZone, 170, 322), std::nullopt);
    EXPECT_EQ(HandleWithinReach(kZone, 170, 170), std::nullopt);
    // A flat rectangle: the top row is asked first.
    EXPECT_EQ(HandleWithinReach({20, 20, 320, 21}, 20, 21), TrackerPart::TopLeft);
    EXPECT_EQ(HandleWithinReach({20, 20, 320, 21}, 170, 21), TrackerPart::Top);
}

TEST(RectTracker, PartsUnderAPoint) {
    const RectTracker tracker(kZone);
    EXPECT_EQ(tracker.PartAt(15, 15), TrackerPart::TopLeft);
    EXPECT_EQ(tracker.PartAt(322, 170), TrackerPart::Right);
    EXPECT_EQ(tracker.PartAt(170, 325), TrackerPart::Bottom);
    EXPECT_EQ(tracker.PartAt(100, 100), TrackerPart::Inside);
    EXPECT_EQ(tracker.PartAt(17, 100), TrackerPart::Inside);  // on the hatched border
    EXPECT_EQ(tracker.PartAt(5, 100), TrackerPart::Outside);
}

TEST(RectTracker, DragFromInsideMovesAndFromAHandleResizesPastTheOppositeSide) {
    RectTracker tracker(kZone);
    ASSERT_TRUE(tracker.Begin(100, 100));
    tracker.MoveTo(130, 90);
    EXPECT_TRUE(tracker.End());
    EXPECT_EQ(tracker.rect(), (TrackerZone{50, 10, 350, 310}));

    tracker.SetRect(kZone);
    ASSERT_TRUE(tracker.Begin(322, 322));  // bottom-right handle
    tracker.MoveTo(402, 352);
    EXPECT_TRUE(tracker.End());
    EXPECT_EQ(tracker.rect(), (TrackerZone{20, 20, 400, 350}));

    // The left handle dragged past the right side: kept inside out.
    tracker.SetRect(kZone);
    ASSERT_TRUE(tracker.Begin(15, 170));
    tracker.MoveTo(415, 170);
    EXPECT_TRUE(tracker.End());
    EXPECT_EQ(tracker.rect(), (TrackerZone{420, 20, 320, 320}));
    // Its handle on the left, as seen, now moves the right coordinate.
    EXPECT_EQ(tracker.PartAt(315, 170), TrackerPart::Left);
    ASSERT_TRUE(tracker.Begin(315, 170));
    tracker.MoveTo(305, 170);
    EXPECT_TRUE(tracker.End());
    EXPECT_EQ(tracker.rect(), (TrackerZone{420, 20, 310, 320}));

    // Nothing changed, cancelled, or pressed outside: the rectangle stays.
    ASSERT_TRUE(tracker.Begin(400, 100));
    EXPECT_FALSE(tracker.End());
    ASSERT_TRUE(tracker.Begin(400, 100));
    tracker.MoveTo(0, 0);
    tracker.Cancel();
    EXPECT_FALSE(tracker.Begin(0, 0));
    EXPECT_EQ(tracker.rect(), (TrackerZone{420, 20, 310, 320}));
}

TEST(ZoneCapture, OneDotInsideTheZoneOnTheScreenAndNothingWhenEmpty) {
    EXPECT_EQ(ZoneCaptureRect(kZone, 0, 0), (CaptureRect{21, 21, 298, 298}));
    EXPECT_EQ(ZoneCaptureRect({320, 320, 20, 20}, 100, 50), (CaptureRect{121, 71, 298, 298}));
    EXPECT_EQ(ZoneCaptureRect({20, 20, 23, 40}, 0, 0), (CaptureRect{21, 21, 1, 18}));
    EXPECT_EQ(ZoneCaptureRect({20, 20, 22, 40}, 0, 0), std::nullopt);
}

}  // namespace
