// Where the colour dialog draws the 20 colours: two rows of ten boxes inside
// the frame "表示色指定", each box with its number above it.
#pragma once

#include <array>
#include <string>

#include "dialogs/colour_table.h"

struct ColourTableCell {
    // The box as the platform's rectangle call takes it: the one-pixel
    // border covers left..right-1 and top..bottom-1, the inside is filled.
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    Rgb colour;
    // Top-left corner of the number's text, and the text.
    int textX = 0;
    int textY = 0;
    std::string text;
};

// The 20 cells for a frame of width w and height h (pixels): q = h / 4,
// c = w / 10, t = c / 4. Entries 0..9 are boxes from x = i*c to i*c + c - 1 and
// y = q to 2q with their "%d" numbers at (i*c + t, 0); entries 10..19 the same
// one band lower (y = 3q to 4q, numbers "%2d" at y = 2q).
std::array<ColourTableCell, COLOUR_TABLE_SIZE> LayoutColourTable(int w, int h);

// Pixel height of the numbers' font, 10 points: (100 x dpiY / 72) / 10, each
// division truncating.
int ColourTableFontPixels(int dpiY);
