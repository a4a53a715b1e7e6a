#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/layout_widening.h"

TEST(LayoutWidening, AGrowingBoxPushesItsRowsAndTheWindowWidens) {
    // Row 1: a label 30 short, a button 5 short, a box spanning rows 1 and 2;
    // row 2: a text left of that box and one right of it; row 3: a full-width
    // list; row 4: a label 50 short and a button at the right margin; a
    // box of no size.
    const std::vector<WideningBox> boxes = {{8, 8, 50, 14, 80},     {62, 8, 40, 14, 45}, {110, 8, 60, 40},
                                            {8, 30, 90, 14},        {180, 30, 100, 14},  {8, 60, 272, 14},
                                            {8, 100, 100, 14, 150}, {262, 100, 20, 14},  {0, 0, 0, 0, 500}};
    const WidenedLayout widened = WidenLayout(boxes, 290);
    EXPECT_EQ(widened.clientWidth, 290 + 50);
    const std::vector<WideningBox> expected = {
        {8, 8, 80, 14, 80}, {92, 8, 45, 14, 45},    {145, 8, 60, 40},   {8, 30, 90, 14},  {215, 30, 100, 14},
        {8, 60, 322, 14},   {8, 100, 150, 14, 150}, {312, 100, 20, 14}, {0, 0, 0, 0, 500}};
    EXPECT_EQ(widened.boxes, expected);
    // Texts that fit leave a layout as it is.
    EXPECT_EQ(WidenLayout(widened.boxes, widened.clientWidth).boxes, widened.boxes);
}

TEST(LayoutWidening, EveryTextGetsItsWidthAndNothingComesToOverlap) {
    const auto overlap = [](const WideningBox& a, const WideningBox& b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
    };
    std::mt19937 random(29);
    for (int trial = 0; trial < 50; ++trial) {
        // Rows of boxes of random sizes (some spanning rows) and needs.
        std::vector<WideningBox> layout;
        for (int row = 0, x = 4; row < 5; ++row, x = 4) {
            for (int column = 0; column < 4; ++column) {
                const int width = 10 + int(random() % 60);
                const int need = random() % 2 ? width + int(random() % 50) : int(random() % width);
                const WideningBox box{x, 4 + row * 20 + int(random() % 6), width, 8 + int(random() % 30),
                                      need};
                x += width + 2 + int(random() % 10);
                if (std::none_of(layout.begin(), layout.end(),
                                 [&](auto& kept) { return overlap(box, kept); }))
                    layout.push_back(box);
            }
        }
        const WidenedLayout widened = WidenLayout(layout, 300);
        ASSERT_EQ(widened.boxes.size(), layout.size());
        for (std::size_t i = 0; i < layout.size(); ++i) {
            const WideningBox& box = widened.boxes[i];
            EXPECT_TRUE(box.width >= layout[i].neededWidth && box.x >= layout[i].x && box.y == layout[i].y &&
                        box.height == layout[i].height &&
                        box.x + box.width <= std::max(300, widened.clientWidth));
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(overlap(box, widened.boxes[j])) << "trial " << trial << ": " << i << ", " << j;
        }
    }
}

TEST(LayoutWidening, NarrowestFittingWidthSearchesUpToTheLimit) {
    int asked = 0;
    const auto from77 = [&](int width) { return ++asked, width >= 77; };
    EXPECT_EQ(NarrowestFittingWidth(40, 1000, from77), 77);
    EXPECT_LT(asked, 14);  // halving, not stepping
    EXPECT_EQ(NarrowestFittingWidth(90, 1000, from77), 90);
    EXPECT_EQ(NarrowestFittingWidth(40, 60, from77), 60);
}
