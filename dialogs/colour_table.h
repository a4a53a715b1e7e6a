// The 20 fixed drawing colours and the six colour numbers that choose the
// overlay's colours from them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

constexpr int COLOUR_TABLE_SIZE = 20;
constexpr int COLOUR_NUMBER_COUNT = 6;

// Positions in the six colour numbers, in their stored order.
enum ColourPosition : int {
    COLOUR_POINT_MARK = 0,    // "座標マーク": pen of the point crosses
    COLOUR_POINT_NUMBER = 1,  // "座標No": text of the point numbers
    COLOUR_CENTROID = 2,      // "中心マーク": centroid cross and its letter C
    COLOUR_SEGMENT = 3,       // "点列間曲線": calculated segments and arcs
    COLOUR_STRONG_AXIS = 4,   // "中性軸・強軸"
    COLOUR_WEAK_AXIS = 5,     // "中性軸・弱軸"
};

using ColourNumbers = std::array<std::int32_t, COLOUR_NUMBER_COUNT>;

// Entries 5 and 15 hold the same colour.
inline constexpr std::array<Rgb, COLOUR_TABLE_SIZE> COLOUR_TABLE = {{
    {0, 0, 0},       {48, 128, 245},  {255, 0, 0},     {255, 50, 255},  {0, 255, 0},
    {60, 180, 255},  {255, 255, 0},   {255, 255, 255}, {98, 184, 200},  {196, 196, 196},
    {96, 96, 96},    {0, 0, 255},     {216, 40, 64},   {224, 50, 224},  {30, 224, 20},
    {60, 180, 255},  {216, 216, 0},   {224, 224, 224}, {60, 100, 255},  {160, 160, 160},
}};

// Red crosses and numbers, a yellow centroid, green segments, the strong
// axis in magenta and the weak axis in blue-grey.
inline constexpr ColourNumbers DEFAULT_COLOUR_NUMBERS = {2, 2, 6, 14, 13, 8};

// 0 to 19.
constexpr bool IsValidColourNumber(std::int64_t number) {
    return number >= 0 && number < COLOUR_TABLE_SIZE;
}

// The colour that position draws with. The numbers come from the settings
// file unchecked: a number outside the table draws that position's default.
Rgb OverlayColour(const ColourNumbers& numbers, ColourPosition position);

// Stores the edited numbers into stored in their order, stopping at the first
// one outside 0..19; the numbers before it stay stored. Returns that first
// bad position, or -1 when all six were stored.
int StoreColourNumbers(const std::array<std::int64_t, COLOUR_NUMBER_COUNT>& edited,
                       ColourNumbers& stored);

// The number typed into a colour field: blanks around it allowed, an optional
// sign, decimal digits. Text that is not such a whole number, or one too long
// for 64 bits, gives -1, which the check then refuses like any bad number.
std::int64_t ParseColourNumber(std::string_view text);
