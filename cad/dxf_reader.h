// A DXF drawing's outlines as edges: LINE, ARC, CIRCLE, LWPOLYLINE and
// POLYLINE of the ENTITIES section, with their layers; SPLINE and ELLIPSE
// noted for refusal; everything else passed over.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_geometry.h"

namespace cad {

// One entity's edges: closed for a circle or a closed polyline, else loose
// edges that chaining joins to others.
struct DxfShape {
    std::string layer;
    bool closed = false;
    std::vector<Edge> edges;
};

// An entity the import does not take (SPLINE, ELLIPSE).
struct DxfRefusedEntity {
    std::string layer;
    Source source;
};

struct DxfDrawing {
    long insUnits = 0;  // $INSUNITS: 0 none, 1 in, 2 ft, 4 mm, 5 cm, 6 m ...
    std::vector<DxfShape> shapes;
    std::vector<DxfRefusedEntity> refused;
    bool malformed = false;  // a code line that is not a number: read up to it
    bool tooLarge = false;   // more edges than kMaxDxfEdges: the rest passed over
};

// Edges kept from one file at most.
constexpr std::size_t kMaxDxfEdges = 100000;

DxfDrawing ReadDxf(std::string_view text);

// Millimetres per drawing unit for an $INSUNITS value; 0 when it names no
// length (unitless or unknown).
double MillimetresPerUnit(long insUnits);

}  // namespace cad
