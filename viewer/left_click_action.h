// What a left click on the viewer's image does, decided in a fixed order:
// the cut-out tracker first, then whether the viewer takes clicks at all,
// then an armed tracing (whose click is its seed), then correction before
// sampling, so that no point is added while a point is being corrected.
#pragma once

#include <cstdint>

enum class LeftClickAction {
    Tracker,   // the click belongs to the cut-out tracker
    None,      // nothing happens
    TraceSeed, // the seed of a figure to trace
    Pick,      // pick the point to correct
    AddPoint,  // append the clicked point to the sample table
};

struct LeftClickState {
    bool trackerShown = false;
    bool dataView = false;
    bool correcting = false;
    std::int32_t workState = 0;  // the sample table's work state
    bool tracing = false;        // armed to trace a figure from the next click
};

LeftClickAction LeftClickActionOf(const LeftClickState& state);
