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
    LoopFaultAt fault;
    ForEachLoopRun(
        std::size_t(count), [&](std::size_t i) { return types[i] == OS_TYPE_LOOP_BREAK; },
        [&](std::size_t from, std::size_t to) {
            const auto first = int32_t(from), end = int32_t(to);
            if (first == 0 && end == 0)
                fault = {LoopFault::BreakFirst, -1, 0};
            else if (first == count)
                fault = {LoopFault::BreakLast, -1, count - 1};
            else if (first == end)
                fault = {LoopFault::BreakTwice, -1, first};
            else
                fault = CloseLoop(types, first, end, layout);
            return fault.fault == LoopFault::None;
        });
    return fault;
}

}  // namespace osmeca
