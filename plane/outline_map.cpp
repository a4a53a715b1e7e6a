#include "plane/outline_map.h"

#include <cmath>

namespace plane {

bool MapOutline(const Homography& toPlane, std::vector<OutlineRow>& rows) {
    std::vector<OutlineRow> mapped = rows;
    for (OutlineRow& row : mapped) {
        if (row.type == kLoopBreakType) continue;
        if (!(toPlane.W(row.at) > 0)) return false;
        row.at = toPlane.Map(row.at);
        if (!std::isfinite(row.at.x) || !std::isfinite(row.at.y)) return false;
    }
    rows = std::move(mapped);
    return true;
}

}  // namespace plane
