#include "trace/traced_loop.h"

namespace trace {

std::vector<TraceRow> JoinedRows(const std::vector<TracedLoop>& loops) {
    std::vector<TraceRow> rows;
    for (const TracedLoop& loop : loops) {
        if (!rows.empty()) rows.push_back(kLoopBreakRow);
        rows.insert(rows.end(), loop.rows.begin(), loop.rows.end());
    }
    return rows;
}

}  // namespace trace
