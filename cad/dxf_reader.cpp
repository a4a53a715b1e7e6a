#include "cad/dxf_reader.h"

#include <cmath>
#include <numbers>

#include "cad/dxf_pairs.h"

namespace cad {

namespace {

constexpr double kDegree = std::numbers::pi / 180;
// POLYLINE flags: closed; 3D mesh and polyface mesh (not outlines).
constexpr long kPolylineClosed = 1;
constexpr long kPolylineMesh = 16 | 64;
// VERTEX flag: a spline frame control point, not on the curve.
constexpr long kVertexControlPoint = 16;

// The codes of one entity, as read.
struct EntityData {
    std::string type;
    std::string handle;
    std::string layer = "0";
    double x = 0, y = 0, x2 = 0, y2 = 0;
    double radius = 0, startAngle = 0, endAngle = 360;
    double extrusionZ = 1;
    long flags = 0;
    bool spaceIsPaper = false;
    struct Vertex {
        Point at;
        double bulge = 0;
    };
    std::vector<Vertex> vertices;  // LWPOLYLINE's own
    double bulge = 0;              // VERTEX's
};

void Take(EntityData& e, const DxfPair& pair) {
    double number = 0;
    long integer = 0;
    const bool isNumber = ReadNumber(pair.value, number);
    switch (pair.code) {
    case 5: e.handle = std::string(pair.value); break;
    case 8: e.layer = std::string(pair.value); break;
    case 10:
        if (e.type == "LWPOLYLINE") e.vertices.push_back({});
        if (isNumber) (e.type == "LWPOLYLINE" ? e.vertices.back().at.x : e.x) = number;
        break;
    case 20:
        if (!isNumber) break;
        if (e.type != "LWPOLYLINE")
            e.y = number;
        else if (!e.vertices.empty())
            e.vertices.back().at.y = number;
        break;
    case 11:
        if (isNumber) e.x2 = number;
        break;
    case 21:
        if (isNumber) e.y2 = number;
        break;
    case 40:
        if (isNumber) e.radius = number;
        break;
    case 42:
        if (!isNumber) break;
        if (e.type != "LWPOLYLINE")
            e.bulge = number;
        else if (!e.vertices.empty())
            e.vertices.back().bulge = number;
        break;
    case 50:
        if (isNumber) e.startAngle = number;
        break;
    case 51:
        if (isNumber) e.endAngle = number;
        break;
    case 67: e.spaceIsPaper = ReadInteger(pair.value, integer) && integer == 1; break;
    case 70:
        if (ReadInteger(pair.value, integer)) e.flags = integer;
        break;
    case 230:
        if (isNumber) e.extrusionZ = number;
        break;
    default: break;
    }
}

// An extrusion toward -z mirrors the entity's own x axis.
Point World(const EntityData& e, Point p) { return e.extrusionZ < 0 ? Point{-p.x, p.y} : p; }

// An arc from angle to angle (degrees, counter-clockwise in the entity's
// plane) as edges of less than half a turn.
std::vector<Edge> ArcEdges(const EntityData& e, double fromDegrees, double toDegrees, const Source& source) {
    double sweep = std::fmod(toDegrees - fromDegrees, 360.0);
    if (sweep <= 0) sweep += 360;
    const int pieces = sweep >= 180 ? 2 : 1;
    std::vector<Edge> edges;
    for (int i = 0; i < pieces; ++i) {
        const double a = (fromDegrees + sweep * i / pieces) * kDegree;
        const double b = (fromDegrees + sweep * (i + 1) / pieces) * kDegree;
        Edge edge{World(e, {e.x + e.radius * std::cos(a), e.y + e.radius * std::sin(a)}),
                  World(e, {e.x + e.radius * std::cos(b), e.y + e.radius * std::sin(b)}),
                  BulgeOfSweep((b - a)) * (e.extrusionZ < 0 ? -1 : 1), source};
        edges.push_back(edge);
    }
    return edges;
}

// A polyline's vertices as edges; a bulge of a half turn or more split in two.
std::vector<Edge> PolylineEdges(const EntityData& e, const std::vector<EntityData::Vertex>& vertices,
                                bool closed, const Source& source) {
    std::vector<Edge> edges;
    const std::size_t n = vertices.size();
    const std::size_t count = closed ? n : (n > 0 ? n - 1 : 0);
    const double mirror = e.extrusionZ < 0 ? -1 : 1;
    for (std::size_t i = 0; i < count; ++i) {
        const EntityData::Vertex& v = vertices[i];
        Edge edge{World(e, v.at), World(e, vertices[(i + 1) % n].at), v.bulge * mirror, source};
        if (Distance(edge.start, edge.end) == 0) continue;
        for (const Edge& piece : SplitEdge(edge, std::abs(v.bulge) >= 1 ? 2 : 1))
            edges.push_back(piece);
    }
    return edges;
}

class DrawingBuilder {
public:
    DxfDrawing drawing;

    // One entity complete (its pairs all read): its edges kept.
    void Finish(EntityData& e) {
        if (e.type == "POLYLINE") {
            polyline_ = e;
            polylineVertices_.clear();
            inPolyline_ = true;
            return;
        }
        if (e.type == "VERTEX") {
            if (inPolyline_ && !(e.flags & kVertexControlPoint))
                polylineVertices_.push_back({{e.x, e.y}, e.bulge});
            return;
        }
        if (e.type == "SEQEND") {
            if (inPolyline_ && !polyline_.spaceIsPaper && !(polyline_.flags & kPolylineMesh)) {
                const bool closed = polyline_.flags & kPolylineClosed;
                Keep(polyline_, closed,
                     PolylineEdges(polyline_, polylineVertices_, closed, SourceOf(polyline_)));
            }
            inPolyline_ = false;
            return;
        }
        inPolyline_ = false;
        if (e.spaceIsPaper) return;
        const Source source = SourceOf(e);
        if (e.type == "LINE") {
            Edge edge{{e.x, e.y}, {e.x2, e.y2}, 0, source};
            if (Distance(edge.start, edge.end) > 0) Keep(e, false, {edge});
        } else if (e.type == "ARC") {
            if (e.radius > 0) Keep(e, false, ArcEdges(e, e.startAngle, e.endAngle, source));
        } else if (e.type == "CIRCLE") {
            if (e.radius > 0) Keep(e, true, ArcEdges(e, 0, 360, source));
        } else if (e.type == "LWPOLYLINE") {
            const bool closed = e.flags & kPolylineClosed;
            Keep(e, closed, PolylineEdges(e, e.vertices, closed, source));
        } else if (e.type == "SPLINE" || e.type == "ELLIPSE") {
            drawing.refused.push_back({e.layer, source});
        }
    }

private:
    static Source SourceOf(const EntityData& e) { return {e.type, e.handle}; }

    void Keep(const EntityData& e, bool closed, std::vector<Edge> edges) {
        if (edges.empty()) return;
        for (const Edge& edge : edges)
            if (!std::isfinite(edge.start.x + edge.start.y + edge.end.x + edge.end.y + edge.bulge)) return;
        if (edgeCount_ + edges.size() > kMaxDxfEdges) {
            drawing.tooLarge = true;
            return;
        }
        edgeCount_ += edges.size();
        drawing.shapes.push_back({e.layer, closed, std::move(edges)});
    }

    EntityData polyline_;
    std::vector<EntityData::Vertex> polylineVertices_;
    bool inPolyline_ = false;
    std::size_t edgeCount_ = 0;
};

}  // namespace

double MillimetresPerUnit(long insUnits) {
    switch (insUnits) {
    case 1: return 25.4;
    case 2: return 304.8;
    case 4: return 1;
    case 5: return 10;
    case 6: return 1000;
    case 7: return 1e6;
    case 8: return 25.4e-6;
    case 9: return 25.4e-3;
    case 10: return 914.4;
    case 13: return 1e-3;
    case 14: return 100;
    default: return 0;
    }
}

DxfDrawing ReadDxf(std::string_view text) {
    DxfPairReader reader(text);
    DrawingBuilder builder;
    DxfPair pair;
    std::string_view section;
    std::string_view variable;
    bool sectionNamed = false;
    EntityData entity;
    bool inEntity = false;
    while (reader.Next(pair)) {
        if (pair.code == 0) {
            if (inEntity) builder.Finish(entity);
            inEntity = false;
            if (pair.value == "SECTION") {
                sectionNamed = true;
                section = {};
            } else if (pair.value == "ENDSEC") {
                section = {};
            } else if (section == "ENTITIES") {
                entity = EntityData{};
                entity.type = std::string(pair.value);
                inEntity = true;
            }
            continue;
        }
        if (pair.code == 2 && sectionNamed) {
            section = pair.value;
            sectionNamed = false;
            continue;
        }
        if (section == "HEADER") {
            if (pair.code == 9) variable = pair.value;
            long units = 0;
            if (variable == "$INSUNITS" && pair.code == 70 && ReadInteger(pair.value, units))
                builder.drawing.insUnits = units;
        } else if (inEntity) {
            Take(entity, pair);
        }
    }
    if (inEntity) builder.Finish(entity);
    builder.drawing.malformed = reader.Malformed();
    return std::move(builder.drawing);
}

}  // namespace cad
