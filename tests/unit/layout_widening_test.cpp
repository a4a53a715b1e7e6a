#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "app/layout_widening.h"

using Boxes = std::vector<WideningBox>;

TEST(LayoutWidening, TextsGetTheirWidthsWithoutOverlapAndTheWidthSearchHalves) {
    const WidenedLayout w =  // label 30 short; box over rows 1-2, text right of it in row 2; full-width list
        WidenLayout(Boxes{{8, 8, 50, 14, 80}, {110, 8, 60, 40}, {172, 30, 10, 14}, {8, 60, 184, 14}}, 200);
    EXPECT_EQ(w.clientWidth, 230);
    EXPECT_EQ(w.boxes, (Boxes{{8, 8, 80, 14, 80}, {140, 8, 60, 40}, {202, 30, 10, 14}, {8, 60, 214, 14}}));
    const auto overlap = [](const WideningBox& a, const WideningBox& b) {
        return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
    };
    auto r = [random = std::mt19937(29)](int n) mutable { return int(random() % n); };
    for (int trial = 0; trial < 50; ++trial) {  // 5 rows of 4 random boxes, some over two rows
        Boxes layout;
        for (int cell = 0; cell < 20; ++cell) {
            const WideningBox box{4 + cell % 4 * 75, 4 + cell / 4 * 20 + r(6), 10 + r(60), 8 + r(30), r(100)};
            if (std::ranges::none_of(layout, [&](auto& o) { return overlap(box, o); })) layout.push_back(box);
        }
        const WidenedLayout wide = WidenLayout(layout, 300);
        for (std::size_t i = 0; i < layout.size(); ++i)
            for (std::size_t j = 0; j < layout.size(); ++j)
                EXPECT_TRUE(wide.boxes.at(i).width >= layout[i].neededWidth &&
                            wide.boxes[i].x + wide.boxes[i].width <= wide.clientWidth &&
                            (i == j || !overlap(wide.boxes[i], wide.boxes[j])));
    }
    int asked = 0;  // halving, not stepping
    EXPECT_TRUE(NarrowestFittingWidth(40, 1000, [&](int w) { return ++asked, w >= 77; }) == 77 && asked < 14);
}
