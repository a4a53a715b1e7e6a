// How the input rows fall into loops: every row of type OS_TYPE_LOOP_BREAK
// ends one loop and begins the next. Checks the breaks' places and each
// loop's length before anything is integrated, and says which loop and row
// are at fault.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "osmeca/osmeca.h"

namespace osmeca {

// Rows firstRow .. firstRow + rows - 1 of the input, none of them a break.
struct LoopRows {
    int32_t firstRow = 0;
    int32_t rows = 0;
};

// At most one loop per two rows (a loop and its break); never more than this.
inline constexpr int32_t kMaxLoops = OS_MAX_POINTS / 2 + 1;

struct LoopLayout {
    std::array<LoopRows, kMaxLoops> loops{};
    int32_t count = 0;
};

enum class LoopFault {
    None,
    BreakFirst,    // the first row is a break
    BreakLast,     // the last row is a break
    BreakTwice,    // a break follows a break: row is the second one
    TooFewPoints,  // a loop of fewer than three points: row is its first
    LastRowArc,    // a loop's last row starts an arc: row is that row
};

struct LoopFaultAt {
    LoopFault fault = LoopFault::None;
    int32_t loop = -1;  // 0-based loop, -1 when the fault is a break's place
    int32_t row = -1;   // 0-based row
};

// Calls visit(first, end) for each run of rows first .. end-1 between breaks
// (and the rows' ends), in row order, until visit returns false. A break
// first or last, or right after another, leaves an empty run (first == end).
// isBreak(i) tells whether row i is a break.
template <class IsBreak, class Visit>
void ForEachLoopRun(std::size_t count, IsBreak isBreak, Visit visit) {
    std::size_t first = 0;
    for (std::size_t i = 0; i <= count; ++i) {
        if (i < count && !isBreak(i)) continue;
        if (!visit(first, i)) return;
        first = i + 1;
    }
}

// Splits count row types into loops (layout is filled as far as the rows
// allow); the first fault in row order, or None.
LoopFaultAt SplitLoops(const int32_t* types, int32_t count, LoopLayout& layout);

}  // namespace osmeca
