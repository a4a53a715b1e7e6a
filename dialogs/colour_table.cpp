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

std::int64_t ParseColourNumber(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 18) return -1;  // 18 digits cannot overflow
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}
