#include "viewer/point_correction.h"

#include <cstdint>
#include <limits>

#include "data/sample_table.h"
#include "viewer/point_pick.h"

namespace {

// One dot further, stopping at the ends of the 32-bit range.
std::int32_t Moved(std::int32_t value, int delta) {
    const std::int64_t moved = std::int64_t(value) + delta;
    if (moved < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    if (moved > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return std::int32_t(moved);
}

}  // namespace

void PointCorrection::Begin(SampleTable& table) {
    correcting_ = true;
    selectedRow_ = -1;
    table.workState = WS_VIEWER_SEARCH;
}

int PointCorrection::Pick(SampleTable& table, int x, int y) {
    if (!correcting_) return -1;
    const int row = PickPoint(table, x, y);
    if (row < 0) return -1;
    selectedRow_ = row;
    table.workState = WS_VIEWER_EDIT;
    return row;
}

bool PointCorrection::Move(SampleTable& table, int dx, int dy) const {
    if (!correcting_ || selectedRow_ < 0 || selectedRow_ >= table.count ||
        selectedRow_ >= SAMPLE_CAPACITY)
        return false;
    SamplePoint& row = table.rows[selectedRow_];
    row.x = Moved(row.x, dx);
    row.y = Moved(row.y, dy);
    return true;
}

void PointCorrection::End(SampleTable& table) {
    correcting_ = false;
    table.workState = WS_MODIFIED;
    table.CoordsToText();
}
