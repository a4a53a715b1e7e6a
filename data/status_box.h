// The edit window's status box: its fill and text for each work state.
#pragma once

#include <cstdint>

struct StatusBoxLook {
    uint8_t red;
    uint8_t green;
    uint8_t blue;
    const char* text;  // UTF-8
};

// Yellow while sampling, light cyan when calculated, orange for data changed
// since and for the viewer's correction, grey when waiting (also for any
// unknown value).
StatusBoxLook StatusBoxFor(int32_t workState);
