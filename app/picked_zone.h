// A zone the user chose in the desktop's own screenshot tool. In a Wayland
// session the pointer grab behind "始点" and "終点" sees nothing over other
// programs' windows, so the desktop's tool chooses the zone; it gives the
// picture of the zone, not where the zone lay on the screen.
#pragma once

#include <functional>

#include "app/settings_record.h"
#include "image/screen_zone_capture.h"

struct PickedZone {
    ZoneRect zone{};        // the zone the choice set
    ScreenPicture picture;  // what the tool took: the zone itself, device pixels
};

// The zone a picture of width x height device pixels sets, at pixelRatio
// device pixels per desktop pixel: its size in desktop pixels (at least 1),
// placed at previous's top-left corner, the only position known.
ZoneRect ZoneOfPicture(const ZoneRect& previous, int width, int height, double pixelRatio);

// The screen a capture of picked.zone reads: the picture the tool took, as
// it took it. Any other rectangle cannot be read.
ScreenSource PickedZoneScreen(PickedZone picked, std::function<int()> depth);
