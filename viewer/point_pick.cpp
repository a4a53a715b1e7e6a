#include "viewer/point_pick.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "data/sample_table.h"

namespace {

// In 64 bits: a stored coordinate and a click far apart must not overflow.
bool WithinReach(std::int64_t a, std::int64_t b) { return std::llabs(a - b) <= PICK_REACH; }

}  // namespace

int PickPoint(const SampleTable& table, int clickX, int clickY) {
    const int rows = std::clamp(table.count, 0, SAMPLE_CAPACITY);
    for (int i = 0; i < rows; ++i) {
        const SamplePoint& row = table.rows[i];
        if (!HoldsPoint(row)) continue;  // a loop break has no point to pick
        if (WithinReach(row.x, clickX) && WithinReach(row.y, clickY)) return i;
    }
    return -1;
}
