// The calculation's program-wide buffers: what went to the library, what
// came back, and the result record built from it.
#pragma once

#include <array>
#include <cstdint>

#include "data/calc_results.h"
#include "osmeca/osmeca.h"

struct CalcState {
    CalcState();

    std::array<SectionInputPoint, OS_MAX_POINTS> inputs;
    std::array<SectionSegment, OS_MAX_SEGMENTS> segments;
    int32_t segmentCount = 0;  // records in segments from the last successful calculation
    SectionResults sectionResults;
    InclinedAxisTable inclined;
    CalcResults results;  // written only by a successful calculation
    // Millimetres per dot of the source picture for the property report and
    // the measurement sheet; 0 when no scale is set. Set by whoever prints.
    double mmPerDot = 0;

    // Fresh input and segment buffers (a new edit window): no segments.
    void ResetBuffers();
    // Zero library results (sampling start, Clear).
    void ZeroSectionResults();
};
