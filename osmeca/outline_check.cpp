#include "osmeca/outline_check.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "osmeca/check_piece.h"
#include "osmeca/loop_rows.h"

namespace osmeca {

namespace {

constexpr int kArcType = 2;
// Pieces closer than this share of the outline's size touch.
constexpr double kTouchShare = 1e-9;
// A meeting this close (share of the size) to the point two neighbouring
// pieces share is that point itself.
constexpr double kNearShare = 1e-6;
// An arc this close to half a circle counts as one.
constexpr double kHalfCircleMargin = 1e-9;

struct Loop {
    int first = 0;  // index of the loop's first row
    int count = 0;
    std::vector<CheckPiece> pieces;
};

// The rows' loops, empty ones skipped; the breaks' places are not judged here.
std::vector<Loop> LoopsOf(std::span<const CheckRow> rows) {
    std::vector<Loop> loops;
    ForEachLoopRun(
        rows.size(), [&](std::size_t i) { return rows[i].type == OS_TYPE_LOOP_BREAK; },
        [&](std::size_t first, std::size_t end) {
            if (end > first) loops.push_back({int(first), int(end - first), {}});
            return true;
        });
    return loops;
}

// Coordinates relative to the first point so that the tolerances stay
// meaningful far from the origin.
Point RowPoint(std::span<const CheckRow> rows, int index, Point origin) {
    const CheckRow& row = rows[static_cast<std::size_t>(index)];
    return Point{row.x, row.y} - origin;
}

// Builds the loop's pieces; on a degenerate or too long arc reports it.
OutlineFaultAt BuildPieces(std::span<const CheckRow> rows, Point origin, int loopIndex, Loop& loop) {
    auto at = [&](int k) { return RowPoint(rows, loop.first + k % loop.count, origin); };
    for (int k = 0; k < loop.count; ++k) {
        CheckPiece piece;
        piece.row = loop.first + k;
        piece.start = at(k);
        bool arc = rows[static_cast<std::size_t>(piece.row)].type == kArcType && k + 1 < loop.count;
        if (arc) {
            piece.isArc = true;
            piece.end = at(k + 2);
            if (!ArcThroughPoints(at(k), at(k + 1), at(k + 2), piece.arc)) {
                return {OutlineFault::ArcDegenerate, loopIndex, piece.row};
            }
            if (std::fabs(piece.arc.sweep) >= std::numbers::pi * (1 - kHalfCircleMargin)) {
                return {OutlineFault::ArcTooLong, loopIndex, piece.row};
            }
            ++k;  // the middle point belongs to the arc
        } else {
            piece.end = at(k + 1);
        }
        loop.pieces.push_back(piece);
    }
    return {};
}

bool Outside(Point p, const CheckBox& box, double margin) {
    return p.x < box.left - margin || p.x > box.right + margin || p.y < box.top - margin ||
           p.y > box.bottom + margin;
}

// A row's point outside the bounds.
OutlineFaultAt FindPointOutside(std::span<const CheckRow> rows, const std::vector<Loop>& loops,
                                const CheckBox& box, Point origin, double margin) {
    for (std::size_t l = 0; l < loops.size(); ++l) {
        for (int k = 0; k < loops[l].count; ++k) {
            int row = loops[l].first + k;
            if (Outside(RowPoint(rows, row, origin), box, margin))
                return {OutlineFault::PointOutside, static_cast<int>(l), row};
        }
    }
    return {};
}

// An arc bulging out of the bounds between its points.
OutlineFaultAt FindArcOutside(const std::vector<Loop>& loops, const CheckBox& box, double margin) {
    for (std::size_t l = 0; l < loops.size(); ++l) {
        for (const CheckPiece& piece : loops[l].pieces) {
            if (!piece.isArc) continue;
            for (int quarter = 0; quarter < 4; ++quarter) {
                double angle = quarter * std::numbers::pi / 2;
                if (ArcPassesAngle(piece.arc, angle) && Outside(ArcPointAt(piece.arc, angle), box, margin)) {
                    return {OutlineFault::PointOutside, static_cast<int>(l), piece.row};
                }
            }
        }
    }
    return {};
}

OutlineFaultAt FindSelfMeeting(const Loop& loop, int loopIndex, MeetTolerance tolerance) {
    const std::vector<CheckPiece>& pieces = loop.pieces;
    const std::size_t n = pieces.size();
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            Point shared[2];
            std::size_t count = 0;
            if (j == i + 1) shared[count++] = pieces[i].end;
            if (i == 0 && j == n - 1) shared[count++] = pieces[0].start;
            if (PiecesMeet(pieces[i], pieces[j], std::span<const Point>(shared, count), tolerance)) {
                return {OutlineFault::LoopCrossesItself, loopIndex, pieces[i].row, loopIndex, pieces[j].row};
            }
        }
    }
    return {};
}

OutlineFaultAt FindLoopsMeeting(const std::vector<Loop>& loops, MeetTolerance tolerance) {
    for (std::size_t a = 0; a < loops.size(); ++a) {
        for (std::size_t b = a + 1; b < loops.size(); ++b) {
            for (const CheckPiece& p : loops[a].pieces) {
                for (const CheckPiece& q : loops[b].pieces) {
                    if (PiecesMeet(p, q, {}, tolerance)) {
                        return {OutlineFault::LoopsCross, static_cast<int>(a), p.row, static_cast<int>(b),
                                q.row};
                    }
                }
            }
        }
    }
    return {};
}

}  // namespace

OutlineFaultAt CheckOutlineGeometry(std::span<const CheckRow> rows, const CheckBox* bounds) {
    std::vector<Loop> loops = LoopsOf(rows);
    if (loops.empty()) return {};
    const Point origin = RowPoint(rows, loops.front().first, {});
    double size = 0;
    for (const Loop& loop : loops) {
        for (int k = 0; k < loop.count; ++k) {
            Point p = RowPoint(rows, loop.first + k, origin);
            size = std::max({size, std::fabs(p.x), std::fabs(p.y)});
        }
    }
    if (size == 0) size = 1;
    const MeetTolerance tolerance{kTouchShare * size, kNearShare * size};

    CheckBox box{};
    if (bounds != nullptr) {
        box = {bounds->left - origin.x, bounds->top - origin.y, bounds->right - origin.x,
               bounds->bottom - origin.y};
        OutlineFaultAt fault = FindPointOutside(rows, loops, box, origin, tolerance.touch);
        if (fault.fault != OutlineFault::None) return fault;
    }
    for (std::size_t l = 0; l < loops.size(); ++l) {
        OutlineFaultAt fault = BuildPieces(rows, origin, static_cast<int>(l), loops[l]);
        if (fault.fault != OutlineFault::None) return fault;
    }
    if (bounds != nullptr) {
        OutlineFaultAt fault = FindArcOutside(loops, box, tolerance.touch);
        if (fault.fault != OutlineFault::None) return fault;
    }
    for (std::size_t l = 0; l < loops.size(); ++l) {
        OutlineFaultAt fault = FindSelfMeeting(loops[l], static_cast<int>(l), tolerance);
        if (fault.fault != OutlineFault::None) return fault;
    }
    return FindLoopsMeeting(loops, tolerance);
}

}  // namespace osmeca
