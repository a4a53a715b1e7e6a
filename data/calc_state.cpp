#include "data/calc_state.h"

#include <cstring>

CalcState::CalcState() {
    ResetBuffers();
    ZeroSectionResults();
    std::memset(&inclined, 0, sizeof inclined);
}

void CalcState::ResetBuffers() {
    std::memset(inputs.data(), 0, sizeof inputs);
    std::memset(segments.data(), 0, sizeof segments);
    segmentCount = 0;
}

void CalcState::ZeroSectionResults() { std::memset(&sectionResults, 0, sizeof sectionResults); }
