#include "data/work_state.h"

#include "res/texts_data.h"

const char* WorkStateText(int32_t workState) {
    switch (workState) {
    case WS_SAMPLING: return texts_data::STATE_SAMPLING;
    case WS_CALCULATED: return texts_data::STATE_CALCULATED;
    case WS_MODIFIED: return texts_data::STATE_MODIFIED;
    case WS_VIEWER_SEARCH: return texts_data::STATE_VIEWER_SEARCH;
    case WS_VIEWER_EDIT: return texts_data::STATE_VIEWER_EDIT;
    default: return texts_data::STATE_IDLE;
    }
}
