#include "viewer/tracker_zone.h"

#include <gtest/gtest.h>

namespace {

TEST(TrackerZone, ScaledByTheNewScaleAndTruncated) {
    EXPECT_EQ(ScaleTrackerZone({20, 20, 320, 320}, 1.5), (TrackerZone{30, 30, 480, 480}));
    // 0.29 x 7 = 2.03, x 33 = 9.57: truncated toward zero, negatives too.
    EXPECT_EQ(ScaleTrackerZone({7, -7, 33, -33}, 0.29), (TrackerZone{2, -2, 9, -9}));
}

}  // namespace
