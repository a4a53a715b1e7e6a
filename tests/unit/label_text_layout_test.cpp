#include <gtest/gtest.h>

#include "app/label_text_layout.h"

TEST(LabelTextLayout, CentredByByteCountTruncatingTowardZero) {
    // Five full-width characters (10 bytes) in a box 100 pixels wide with an
    // average character width of 6: 50 - 30.
    EXPECT_EQ(LabelTextPosition(0, 0, 100, 20, 10, 6, 12).x, 20);
    EXPECT_EQ(LabelTextPosition(0, 0, 100, 20, 10, 6, 12).y, 4);
    // Odd sums truncate: (0 + 101) / 2 = 50, 7 x 7 / 2 = 24, (3 + 28) / 2 - 13 / 2 = 15 - 6.
    EXPECT_EQ(LabelTextPosition(0, 3, 101, 28, 7, 7, 13).x, 26);
    EXPECT_EQ(LabelTextPosition(0, 3, 101, 28, 7, 7, 13).y, 9);
    // A text wider than its box starts left of it (toward zero, not floor).
    EXPECT_EQ(LabelTextPosition(0, 0, 10, 10, 5, 7, 12).x, 5 - 17);
}
