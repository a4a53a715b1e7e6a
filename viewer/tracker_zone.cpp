#include "viewer/tracker_zone.h"

#include <utility>

#include "viewer/viewer_scroll.h"

TrackerZone ScaleTrackerZone(const TrackerZone& zone, double factor) {
    auto scale = [factor](int value) { return TruncateToInt(value * factor); };
    return {scale(zone.left), scale(zone.top), scale(zone.right), scale(zone.bottom)};
}

TrackerZone OffsetTrackerZone(const TrackerZone& zone, int dx, int dy) {
    return {zone.left + dx, zone.top + dy, zone.right + dx, zone.bottom + dy};
}

TrackerZone NormalizedTrackerZone(const TrackerZone& zone) {
    TrackerZone result = zone;
    if (result.left > result.right) std::swap(result.left, result.right);
    if (result.top > result.bottom) std::swap(result.top, result.bottom);
    return result;
}
