// The rules of the screen zone the main dialog captures: placing a corner
// where the mouse is released, the title while a corner is searched for, the
// zone line under the buttons. Plain logic, no window.
#pragma once

#include <cstdint>
#include <string>

#include "app/settings_record.h"

// Which corner the mouse places.
enum class ZoneCorner { Start, End };

// How far the other corner lies from the released one with Ctrl held.
constexpr int ZONE_CTRL_OFFSET = 20;

// A screen coordinate of 65536 or more has 65536 taken off it.
std::int32_t WrapScreenCoordinate(std::int32_t value);

// Width and height of the zone: both corners belong to it (right - left + 1
// and bottom - top + 1, wrapping like 32-bit arithmetic).
std::int32_t ZoneWidth(const ZoneRect& zone);
std::int32_t ZoneHeight(const ZoneRect& zone);

// The outcome of a release at (x, y).
struct ZoneRelease {
    ZoneRect zone;                  // the zone after the release
    const char* message = nullptr;  // the corner-order message, or null
};

// Places corner at (x, y), screen coordinates already wrapped. With ctrl the
// other corner goes ZONE_CTRL_OFFSET pixels right and below (start) or left
// and above (end). Otherwise a corner beyond the other one leaves the zone
// as it was and names the wrong side (title ZONE_CORNERS_TITLE); equal
// coordinates are accepted. Finally left/right and top/bottom are put in
// order.
ZoneRelease ReleaseZoneCorner(const ZoneRect& zone, ZoneCorner corner, std::int32_t x, std::int32_t y,
                              bool ctrl);

// The main dialog's title while corner is searched for with the mouse at
// (x, y): the corner searched and the zone it would make, with "大小逆"
// when the mouse lies beyond the other corner. At most 63 bytes (CP932),
// whole characters only.
std::string ZoneSearchTitle(const ZoneRect& zone, ZoneCorner corner, std::int32_t x, std::int32_t y);

// "(%4d,%4d)-(%4d,%4d)  Δ(%d,%d)": the corners, then width and height.
std::string ZoneText(const ZoneRect& zone);
