// The cut-out zone of a viewer: a rectangle in display dots, measured from
// the image's top-left corner, as left, top, right and bottom.
#pragma once

struct TrackerZone {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const TrackerZone&) const = default;
};

// The zone after a change of magnification: each coordinate multiplied by
// the new scale itself and truncated toward zero.
TrackerZone ScaleTrackerZone(const TrackerZone& zone, double newScale);
