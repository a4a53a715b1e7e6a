#include "data/sample_point.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

SamplePoint BlankSamplePoint() {
    SamplePoint p = ZeroSamplePoint();
    p.xText[0] = ' ';
    p.yText[0] = ' ';
    return p;
}

SamplePoint LoopBreakSamplePoint() {
    SamplePoint p = BlankSamplePoint();
    p.type = kLoopBreakType;
    return p;
}

SamplePoint ZeroSamplePoint() {
    SamplePoint p;
    std::memset(&p, 0, sizeof p);
    return p;
}

void SetCoordinate(char (&text)[COORD_TEXT_SIZE], int32_t& value) {
    if (value < COORD_LOWEST) value = COORD_LOWEST;
    if (value > COORD_HIGHEST) value = COORD_HIGHEST;
    std::snprintf(text, sizeof text, "%8d", static_cast<int>(value));
}

void SetFractionalCoordinate(char (&text)[COORD_TEXT_SIZE], int32_t& whole, double value) {
    constexpr std::size_t width = COORD_TEXT_SIZE - 1;
    if (!std::isfinite(value)) value = 0;
    value = std::clamp(value, double(COORD_LOWEST), double(COORD_HIGHEST));
    std::memset(text, ' ', width);
    text[width] = '\0';
    // to_chars does not follow the process locale.
    char digits[64];
    for (int decimals = int(width) - 2; decimals >= 0; --decimals) {
        const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
        const std::size_t length = std::size_t(end - digits);
        if (ec == std::errc() && length <= width) {
            std::memcpy(text + width - length, digits, length);
            break;
        }
    }
    whole = ParseLeadingInteger(text);
}

int32_t ParseLeadingInteger(const char (&text)[COORD_TEXT_SIZE]) {
    int i = 0;
    constexpr int end = COORD_TEXT_SIZE - 1;
    while (i < end && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // At most 8 digits fit in the field, so the value cannot overflow.
    int32_t value = 0;
    while (i < end && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        ++i;
    }
    return negative ? -value : value;
}
