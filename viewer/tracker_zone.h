// The cut-out zone of a viewer: a rectangle in display dots, measured from
// the image's top-left corner, as left, top, right and bottom. The same
// record serves for the tracker's rectangle in client coordinates.
#pragma once

struct TrackerZone {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const TrackerZone&) const = default;
};

// The zone shown by the menu command, in display dots of the image.
inline constexpr TrackerZone kDefaultTrackerZone{20, 20, 320, 320};

// The zone after a change of magnification: each coordinate multiplied by
// factor (new scale / old scale) and truncated toward zero.
TrackerZone ScaleTrackerZone(const TrackerZone& zone, double factor);

// The zone moved by (dx, dy).
TrackerZone OffsetTrackerZone(const TrackerZone& zone, int dx, int dy);

// The zone with left <= right and top <= bottom.
TrackerZone NormalizedTrackerZone(const TrackerZone& zone);
