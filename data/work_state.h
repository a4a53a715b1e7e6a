// What the program is doing with the sample table; every window reads it.
#pragma once

#include <cstdint>

enum WorkState : int32_t {
    WS_IDLE = 0,
    WS_SAMPLING = 1,
    WS_CALCULATED = 2,
    WS_MODIFIED = 3,
    WS_VIEWER_SEARCH = 4,
    WS_VIEWER_EDIT = 5,
};

// The status box's text for a work state (UTF-8); unknown values read as idle.
const char* WorkStateText(int32_t workState);
