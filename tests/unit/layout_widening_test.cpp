#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "app/layout_widening.h"

namespace {

WideningBox Box(int x, int y, int width, int height, int need = 0) { return {x, y, width, height, need}; }

bool Overlap(const WideningBox& a, const WideningBox& b) {
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

}  // namespace

TEST(LayoutWidening, TextsThatFitLeaveTheLayoutAsItIs) {
    const std::vector<WideningBox> boxes = {Box(8, 8, 100, 20, 100), Box(120, 8, 60, 20, 40),
                                            Box(8, 40, 280, 20), Box(0, 0, 0, 0, 500)};
    const WidenedLayout widened = WidenLayout(boxes, 300);
    EXPECT_EQ(widened.boxes, boxes);
    EXPECT_EQ(widened.clientWidth, 300);
}

TEST(LayoutWidening, AGrowingBoxPushesItsRowsAndTheWindowWidens) {
    // Row 1: a label that needs 30 more, a button, then a tall box spanning
    // rows 1 and 2; row 2: a text left of the tall box and one right of it;
    // row 3: a full-width list; row 4: a short text far from the right edge;
    // row 5: a label that needs 50 more and a button at the right margin.
    const std::vector<WideningBox> boxes = {
        Box(8, 8, 50, 14, 80),      // 0 grows by 30
        Box(62, 8, 40, 14, 45),     // 1 moves by 30, grows by 5
        Box(110, 8, 60, 40),        // 2 moves by 35
        Box(8, 30, 90, 14),         // 3 stays: nothing grows left of it
        Box(180, 30, 100, 14),      // 4 moves by 35 through box 2
        Box(8, 60, 272, 14),        // 5 stretches to keep the right margin
        Box(8, 80, 100, 14, 120),   // 6 grows by 20, pushes nothing
        Box(8, 100, 100, 14, 150),  // 7 grows by 50
        Box(262, 100, 20, 14),      // 8 moves by 50, keeps its width
    };
    const WidenedLayout widened = WidenLayout(boxes, 290);
    EXPECT_EQ(widened.clientWidth, 290 + 50);
    EXPECT_EQ(widened.boxes[0], Box(8, 8, 80, 14, 80));
    EXPECT_EQ(widened.boxes[1], Box(92, 8, 45, 14, 45));
    EXPECT_EQ(widened.boxes[2], Box(145, 8, 60, 40));
    EXPECT_EQ(widened.boxes[3], Box(8, 30, 90, 14));
    EXPECT_EQ(widened.boxes[4], Box(215, 30, 100, 14));
    EXPECT_EQ(widened.boxes[5], Box(8, 60, 322, 14));
    EXPECT_EQ(widened.boxes[6], Box(8, 80, 120, 14, 120));
    EXPECT_EQ(widened.boxes[7], Box(8, 100, 150, 14, 150));
    EXPECT_EQ(widened.boxes[8], Box(312, 100, 20, 14));
}

TEST(LayoutWidening, EveryTextGetsItsWidthAndNothingComesToOverlap) {
    // Rows of boxes of random widths and heights (some spanning rows), with
    // random needs: after widening each box is as wide as it needs and no
    // two boxes overlap; heights and tops never change.
    std::mt19937 random(29);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<WideningBox> boxes;
        for (int row = 0; row < 5; ++row) {
            int x = 4;
            for (int column = 0; column < 4; ++column) {
                const int width = 10 + int(random() % 60);
                const int height = 8 + int(random() % 30);
                const int need = random() % 2 ? width + int(random() % 50) : int(random() % width);
                boxes.push_back(Box(x, 4 + row * 20 + int(random() % 6), width, height, need));
                x += width + 2 + int(random() % 10);
            }
        }
        // Keep only boxes that do not overlap those already kept.
        std::vector<WideningBox> layout;
        for (const WideningBox& box : boxes) {
            bool free = true;
            for (const WideningBox& kept : layout)
                free = free && !Overlap(box, kept);
            if (free) layout.push_back(box);
        }
        const WidenedLayout widened = WidenLayout(layout, 300);
        ASSERT_EQ(widened.boxes.size(), layout.size());
        for (std::size_t i = 0; i < layout.size(); ++i) {
            const WideningBox& box = widened.boxes[i];
            EXPECT_GE(box.width, layout[i].neededWidth);
            EXPECT_EQ(box.y, layout[i].y);
            EXPECT_EQ(box.height, layout[i].height);
            EXPECT_GE(box.x, layout[i].x);
            EXPECT_LE(box.x + box.width, std::max(300, widened.clientWidth));
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(Overlap(box, widened.boxes[j])) << "trial " << trial << ": " << i << ", " << j;
        }
    }
}

TEST(LayoutWidening, NarrowestFittingWidthSearchesUpToTheLimit) {
    int asked = 0;
    const auto from77 = [&](int width) {
        ++asked;
        return width >= 77;
    };
    EXPECT_EQ(NarrowestFittingWidth(40, 1000, from77), 77);
    EXPECT_LT(asked, 14);  // halving, not stepping
    EXPECT_EQ(NarrowestFittingWidth(90, 1000, from77), 90);
    EXPECT_EQ(NarrowestFittingWidth(40, 60, from77), 60);
    EXPECT_EQ(NarrowestFittingWidth(80, 60, from77), 60);
}
