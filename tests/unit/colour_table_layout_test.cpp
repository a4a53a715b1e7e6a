#include <gtest/gtest.h>

#include "dialogs/colour_table_layout.h"

TEST(ColourTableLayout, TwoBandsOfTenBoxesWithTheirNumbersAbove) {
    // w = 405, h = 83: c = 40, q = 20, t = 10.
    auto cells = LayoutColourTable(405, 83);

    EXPECT_EQ(cells[0].left, 0);
    EXPECT_EQ(cells[0].right, 39);
    EXPECT_EQ(cells[0].top, 20);
    EXPECT_EQ(cells[0].bottom, 40);
    EXPECT_EQ(cells[0].textX, 10);
    EXPECT_EQ(cells[0].textY, 0);
    EXPECT_EQ(cells[0].text, "0");

    EXPECT_EQ(cells[7].left, 280);
    EXPECT_EQ(cells[7].right, 319);
    EXPECT_EQ(cells[7].colour, (Rgb{255, 255, 255}));
    EXPECT_EQ(cells[9].text, "9");
    EXPECT_EQ(cells[9].textX, 370);

    EXPECT_EQ(cells[10].left, 0);
    EXPECT_EQ(cells[10].top, 60);
    EXPECT_EQ(cells[10].bottom, 80);
    EXPECT_EQ(cells[10].textY, 40);
    EXPECT_EQ(cells[10].text, "10");
    EXPECT_EQ(cells[19].left, 360);
    EXPECT_EQ(cells[19].right, 399);
    EXPECT_EQ(cells[19].colour, (Rgb{160, 160, 160}));
    EXPECT_EQ(cells[19].text, "19");
}

TEST(ColourTableLayout, NumbersFontIsTenPointsWithTruncatingDivisions) {
    EXPECT_EQ(ColourTableFontPixels(96), 13);   // 9600 / 72 = 133, / 10 = 13
    EXPECT_EQ(ColourTableFontPixels(120), 16);  // 166 / 10
    EXPECT_EQ(ColourTableFontPixels(144), 20);
}
