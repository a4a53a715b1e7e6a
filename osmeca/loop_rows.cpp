#include "osmeca/loop_rows.h"

namespace osmeca {

namespace {

// The loop of rows first .. end-1 closed: its own faults, if any.
LoopFaultAt CloseLoop(const int32_t* types, int32_t first, int32_t end, LoopLayout& layout) {
    const int32_t loop = layout.count;
    if (end - first < 3) return {LoopFault::TooFewPoints, loop, first};
    if (types[end - 1] == 2) return {LoopFault::LastRowArc, loop, end - 1};
    if (loop >= kMaxLoops) return {LoopFault::TooFewPoints, loop, first};  // cannot happen in 200 rows
    layout.loops[static_cast<std::size_t>(loop)] = {first, end - first};
    ++layout.count;
    return {};
}

}  // namespace

LoopFaultAt SplitLoops(const int32_t* types, int32_t count, LoopLayout& layout) {
    layout.count = 0;
    if (types == nullptr || count <= 0) return {LoopFault::TooFewPoints, 0, 0};
    if (types[0] == OS_TYPE_LOOP_BREAK) return {LoopFault::BreakFirst, -1, 0};
    int32_t first = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (types[i] != OS_TYPE_LOOP_BREAK) continue;
        if (types[i - 1] == OS_TYPE_LOOP_BREAK) return {LoopFault::BreakTwice, -1, i};
        if (LoopFaultAt fault = CloseLoop(types, first, i, layout); fault.fault != LoopFault::None)
            return fault;
        if (i == count - 1) return {LoopFault::BreakLast, -1, i};
        first = i + 1;
    }
    return CloseLoop(types, first, count, layout);
}

}  // namespace osmeca
