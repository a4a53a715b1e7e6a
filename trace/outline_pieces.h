// The closed chain of edge samples split into straight pieces and circular
// arcs, each with its least-squares fit.
//
// A coarse polygon (Ramer-Douglas-Peucker: the farthest point from the
// chord, recursively) cuts the chain; neighbouring pieces that one line or
// one circle explains within the samples' own spread are merged, the
// best-fitting pair first (bottom-up merging); each cut between two pieces
// then moves to where the two fits explain the samples best (the least sum
// of capped squared residuals over the cut's reach). Last, a short line
// between two pieces becomes an arc where one explains its samples and
// those next to it clearly better (what is left of a rounded corner whose
// ends the straight pieces took).
#pragma once

#include <optional>
#include <vector>

#include "trace/point2.h"
#include "trace/shape_fit.h"

namespace trace {

enum class PieceShape { Line, Arc };

struct OutlinePiece {
    int first = 0;  // index of its first sample
    int count = 0;  // samples first .. first + count - 1, modulo the chain's length
    PieceShape shape = PieceShape::Line;
    LineFit line;
    CircleFit circle;
};

// The pieces in the chain's order; one Arc piece holding every sample is a
// whole circle. Nothing when the chain is too short to be fitted.
std::optional<std::vector<OutlinePiece>> SplitIntoPieces(const std::vector<Point2>& samples);

}  // namespace trace
