// The pieces outlines are made of in a drawing: straight edges and circular
// arcs between two end points, an arc given by its bulge as in DXF
// polylines. Loops are closed chains of edges.
#pragma once

#include <string>
#include <vector>

namespace cad {

struct Point {
    double x = 0;
    double y = 0;
};

// Where an edge came from, for messages: the entity's type and handle.
struct Source {
    std::string type;
    std::string handle;
};

// A straight edge (bulge 0) or an arc from start to end. The bulge is the
// tangent of a quarter of the arc's signed sweep: positive when the arc
// turns from +x toward +y (counter-clockwise with y up), magnitude 1 for a
// half turn.
struct Edge {
    Point start;
    Point end;
    double bulge = 0;
    Source source;
};

// Each edge ends where the next begins; the last ends at the first's start.
struct Loop {
    std::vector<Edge> edges;
};

// An arc's circle and the angles (radians) it runs through from start.
struct ArcShape {
    Point centre;
    double radius = 0;
    double startAngle = 0;
    double sweep = 0;  // signed, positive from +x toward +y
};

bool IsArc(const Edge& edge);
ArcShape ArcOf(const Edge& edge);
Point PointOnArc(const ArcShape& arc, double fraction);  // 0 start, 1 end

// The bulge of the arc from a through m to b; 0 when the three points are
// on one line.
double BulgeThrough(Point a, Point m, Point b);

// The bulge of a sweep (radians, signed).
double BulgeOfSweep(double sweep);

Edge Reversed(const Edge& edge);

// The edge cut into pieces count equal pieces (an arc into equal arcs).
std::vector<Edge> SplitEdge(const Edge& edge, int count);

double Distance(Point a, Point b);

// Smallest and largest coordinates, arcs' bulging parts included.
struct Box {
    Point low{1e300, 1e300};
    Point high{-1e300, -1e300};
    void Add(Point p);
    bool Empty() const { return low.x > high.x; }
};
void AddEdge(Box& box, const Edge& edge);
Box BoxOf(const std::vector<Loop>& loops);

// True when p lies inside the loop (even-odd, arcs followed exactly).
bool Contains(const Loop& loop, Point p);

// How many other loops hold each loop: odd numbers are holes.
std::vector<int> NestingDepths(const std::vector<Loop>& loops);

}  // namespace cad
