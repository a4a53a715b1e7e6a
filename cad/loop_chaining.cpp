#include "cad/loop_chaining.h"

#include <limits>

namespace cad {

namespace {

// The drawing's size counts a millionth of it as one point.
constexpr double kRelativeTolerance = 1e-6;

// Every edge starts exactly where the one before it ends.
void CloseJoints(Loop& loop) {
    for (std::size_t i = 0; i < loop.edges.size(); ++i)
        loop.edges[(i + 1) % loop.edges.size()].start = loop.edges[i].end;
}

}  // namespace

double ChainTolerance(const std::vector<DxfShape>& shapes) {
    Box box;
    for (const DxfShape& shape : shapes)
        for (const Edge& e : shape.edges) {
            box.Add(e.start);
            box.Add(e.end);
        }
    if (box.Empty()) return 0;
    return kRelativeTolerance * Distance(box.low, box.high);
}

ChainResult ChainLoops(const std::vector<DxfShape>& shapes, double tolerance) {
    ChainResult result;
    std::vector<Edge> loose;
    for (const DxfShape& shape : shapes) {
        if (!shape.closed) {
            loose.insert(loose.end(), shape.edges.begin(), shape.edges.end());
            continue;
        }
        Loop loop{shape.edges};
        CloseJoints(loop);
        result.loops.push_back(std::move(loop));
    }
    std::vector<bool> used(loose.size(), false);
    for (std::size_t first = 0; first < loose.size(); ++first) {
        if (used[first]) continue;
        used[first] = true;
        Loop loop{{loose[first]}};
        while (Distance(loop.edges.back().end, loop.edges.front().start) > tolerance) {
            const Point end = loop.edges.back().end;
            // The nearest free end point within the tolerance.
            std::size_t best = loose.size();
            bool reverse = false;
            double bestDistance = std::numeric_limits<double>::infinity();
            for (std::size_t i = 0; i < loose.size(); ++i) {
                if (used[i]) continue;
                const double toStart = Distance(end, loose[i].start), toEnd = Distance(end, loose[i].end);
                if (toStart <= tolerance && toStart < bestDistance) {
                    best = i, reverse = false, bestDistance = toStart;
                }
                if (toEnd <= tolerance && toEnd < bestDistance) {
                    best = i, reverse = true, bestDistance = toEnd;
                }
            }
            if (best == loose.size()) {
                result.closed = false;
                result.openEnd = loop.edges.back().source;
                return result;
            }
            used[best] = true;
            loop.edges.push_back(reverse ? Reversed(loose[best]) : loose[best]);
        }
        CloseJoints(loop);
        result.loops.push_back(std::move(loop));
    }
    return result;
}

}  // namespace cad
