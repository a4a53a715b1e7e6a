#include "data/status_box.h"

#include "data/work_state.h"

StatusBoxLook StatusBoxFor(int32_t workState) {
    const char* text = WorkStateText(workState);
    switch (workState) {
    case WS_SAMPLING:
        return {255, 255, 0, text};
    case WS_CALCULATED:
        return {128, 255, 255, text};
    case WS_MODIFIED:
    case WS_VIEWER_SEARCH:
    case WS_VIEWER_EDIT:
        return {255, 128, 64, text};
    default:
        return {212, 212, 212, text};
    }
}
