// The calculation's program-wide buffers: what went to the library, what
// came back, and the result record built from it.
#pragma once

#include <array>
#include <cstdint>

#include <string>

#include "data/calc_results.h"
#include "data/section_properties.h"
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
    // While the picture has a perspective plane: its name for the reports
    // and the section measured in it (mm), which replace mmPerDot; an empty
    // name when there is none. Set by whoever prints, like mmPerDot.
    std::string planeName;
    SectionProperties planeMm;

    // Fresh input and segment buffers (a new edit window): no segments.
    void ResetBuffers();
    // Zero library results (sampling start, Clear).
    void ZeroSectionResults();
};
