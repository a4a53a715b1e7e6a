#include "viewer/left_click_action.h"

#include "data/work_state.h"

LeftClickAction LeftClickActionOf(const LeftClickState& state) {
    if (state.trackerShown) return LeftClickAction::Tracker;
    if (!state.dataView) return LeftClickAction::None;
    if (state.tracing) return LeftClickAction::TraceSeed;
    if (state.correcting) return LeftClickAction::Pick;
    if (state.workState == WS_SAMPLING) return LeftClickAction::AddPoint;
    return LeftClickAction::None;
}
