#include "dialogs/colour_table.h"

Rgb OverlayColour(const ColourNumbers& numbers, ColourPosition position) {
    std::int32_t number = numbers[position];
    if (!IsValidColourNumber(number)) number = DEFAULT_COLOUR_NUMBERS[position];
    return COLOUR_TABLE[number];
}

int StoreColourNumbers(const std::array<std::int64_t, COLOUR_NUMBER_COUNT>& edited,
                       ColourNumbers& stored) {
    for (int i = 0; i < COLOUR_NUMBER_COUNT; ++i) {
        if (!IsValidColourNumber(edited[i])) return i;
        stored[i] = static_cast<std::int32_t>(edited[i]);
    }
    return -1;
}
