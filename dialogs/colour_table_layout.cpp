#include "dialogs/colour_table_layout.h"

#include <cstdio>

std::array<ColourTableCell, COLOUR_TABLE_SIZE> LayoutColourTable(int w, int h) {
    const int q = h / 4;
    const int c = w / 10;
    const int t = c / 4;
    std::array<ColourTableCell, COLOUR_TABLE_SIZE> cells;
    for (int entry = 0; entry < COLOUR_TABLE_SIZE; ++entry) {
        const int i = entry % 10;
        const int band = entry / 10;  // 0: upper pair of rows, 1: lower pair
        ColourTableCell& cell = cells[entry];
        cell.left = i * c;
        cell.right = i * c + c - 1;
        cell.top = (2 * band + 1) * q;
        cell.bottom = (2 * band + 2) * q;
        cell.colour = COLOUR_TABLE[entry];
        cell.textX = i * c + t;
        cell.textY = 2 * band * q;
        char text[16];
        std::snprintf(text, sizeof text, band == 0 ? "%d" : "%2d", entry);
        cell.text = text;
    }
    return cells;
}

int ColourTableFontPixels(int dpiY) { return (100 * dpiY / 72) / 10; }
