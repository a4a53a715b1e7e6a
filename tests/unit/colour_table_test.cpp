#include <gtest/gtest.h>

#include <climits>

#include "dialogs/colour_table.h"

TEST(ColourTable, DefaultsGiveTheOverlaysUsualColours) {
    ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
    EXPECT_EQ(OverlayColour(numbers, COLOUR_POINT_MARK), (Rgb{255, 0, 0}));
    EXPECT_EQ(OverlayColour(numbers, COLOUR_POINT_NUMBER), (Rgb{255, 0, 0}));
    EXPECT_EQ(OverlayColour(numbers, COLOUR_CENTROID), (Rgb{255, 255, 0}));
    EXPECT_EQ(OverlayColour(numbers, COLOUR_SEGMENT), (Rgb{30, 224, 20}));
    EXPECT_EQ(OverlayColour(numbers, COLOUR_STRONG_AXIS), (Rgb{224, 50, 224}));
    EXPECT_EQ(OverlayColour(numbers, COLOUR_WEAK_AXIS), (Rgb{98, 184, 200}));
    EXPECT_EQ(COLOUR_TABLE[5], COLOUR_TABLE[15]);
    EXPECT_EQ(COLOUR_TABLE[19], (Rgb{160, 160, 160}));
}

TEST(ColourTable, NumbersOutsideTheTableDrawThatPositionsDefault) {
    ColourNumbers numbers = {-1, 20, INT_MIN, INT_MAX, 0, 19};
    EXPECT_EQ(OverlayColour(numbers, COLOUR_POINT_MARK), COLOUR_TABLE[2]);
    EXPECT_EQ(OverlayColour(numbers, COLOUR_POINT_NUMBER), COLOUR_TABLE[2]);
    EXPECT_EQ(OverlayColour(numbers, COLOUR_CENTROID), COLOUR_TABLE[6]);
    EXPECT_EQ(OverlayColour(numbers, COLOUR_SEGMENT), COLOUR_TABLE[14]);
    EXPECT_EQ(OverlayColour(numbers, COLOUR_STRONG_AXIS), COLOUR_TABLE[0]);
    EXPECT_EQ(OverlayColour(numbers, COLOUR_WEAK_AXIS), COLOUR_TABLE[19]);
}

TEST(ColourTable, StoringStopsAtTheFirstBadNumberKeepingThoseBefore) {
    ColourNumbers stored = DEFAULT_COLOUR_NUMBERS;
    EXPECT_EQ(StoreColourNumbers({5, 2, 6, 20, 13, 3}, stored), 3);
    EXPECT_EQ(stored, (ColourNumbers{5, 2, 6, 14, 13, 8}));

    EXPECT_EQ(StoreColourNumbers({0, 19, 1, 1, -1, 3}, stored), 4);
    EXPECT_EQ(stored, (ColourNumbers{0, 19, 1, 1, 13, 8}));

    // A number too large for 32 bits is bad, not wrapped into the table.
    EXPECT_EQ(StoreColourNumbers({std::int64_t(1) << 32, 0, 0, 0, 0, 0}, stored), 0);
    EXPECT_EQ(stored[0], 0);

    EXPECT_EQ(StoreColourNumbers({1, 2, 3, 4, 5, 6}, stored), -1);
    EXPECT_EQ(stored, (ColourNumbers{1, 2, 3, 4, 5, 6}));
}

TEST(ColourTable, FieldTextThatIsNotAWholeNumberIsABadNumber) {
    EXPECT_EQ(ParseColourNumber("14"), 14);
    EXPECT_EQ(ParseColourNumber("  7 "), 7);
    EXPECT_EQ(ParseColourNumber("+3"), 3);
    EXPECT_EQ(ParseColourNumber("-0"), 0);
    EXPECT_EQ(ParseColourNumber("-5"), -5);
    EXPECT_EQ(ParseColourNumber("020"), 20);
    for (const char* bad : {"", "  ", "-", "1.5", "1e1", "x", "1 2", "１", "9999999999999999999"})
        EXPECT_FALSE(IsValidColourNumber(ParseColourNumber(bad))) << bad;
}
