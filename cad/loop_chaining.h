// Loose edges joined into closed loops by their end points, in any order
// and direction.
#pragma once

#include <vector>

#include "cad/cad_geometry.h"
#include "cad/dxf_reader.h"

namespace cad {

struct ChainResult {
    std::vector<Loop> loops;
    bool closed = true;  // false: an open chain ends at openEnd's entity
    Source openEnd;
};

// End points closer than this are one point: a millionth of the drawing's
// size (the diagonal of the box of all end points).
double ChainTolerance(const std::vector<DxfShape>& shapes);

// Closed shapes stay loops of their own; loose edges are followed end to
// start (turned round where needed) until they come back to where they
// began. Every joint is made exact: an edge starts where the one before it
// ends.
ChainResult ChainLoops(const std::vector<DxfShape>& shapes, double tolerance);

}  // namespace cad
