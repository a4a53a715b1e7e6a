#include "viewer/tracker_zone.h"

#include "viewer/viewer_scroll.h"

TrackerZone ScaleTrackerZone(const TrackerZone& zone, double newScale) {
    auto scale = [newScale](int value) { return TruncateToInt(value * newScale); };
    return {scale(zone.left), scale(zone.top), scale(zone.right), scale(zone.bottom)};
}
