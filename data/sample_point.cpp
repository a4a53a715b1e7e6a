#include "data/sample_point.h"

#include <cstdio>
#include <cstring>

SamplePoint BlankSamplePoint() {
    SamplePoint p = ZeroSamplePoint();
    p.xText[0] = ' ';
    p.yText[0] = ' ';
    return p;
}

SamplePoint ZeroSamplePoint() {
    SamplePoint p;
    std::memset(&p, 0, sizeof p);
    return p;
}

void SetCoordinate(char (&text)[COORD_TEXT_SIZE], int32_t& value) {
    constexpr int32_t lowest = -9999999;
    constexpr int32_t highest = 99999999;
    if (value < lowest) value = lowest;
    if (value > highest) value = highest;
    std::snprintf(text, sizeof text, "%8d", static_cast<int>(value));
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
