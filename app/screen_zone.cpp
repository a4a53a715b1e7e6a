#include "app/screen_zone.h"

#include <utility>

#include "platform/text_codec.h"
#include "res/format_text.h"
#include "res/texts_capture.h"
#include "res/translation.h"

namespace {

// The title is kept in a buffer of 64 bytes.
constexpr std::size_t kTitleBytes = 63;

// Two's-complement arithmetic, as the zone's 32-bit fields give it.
std::int32_t Wrapped(std::int64_t value) { return std::int32_t(std::uint32_t(std::uint64_t(value))); }

const char* OrderMessage(bool xWrong, bool yWrong) {
    if (xWrong) return yWrong ? texts::ZONE_CORNERS_XY : texts::ZONE_CORNERS_X;
    return yWrong ? texts::ZONE_CORNERS_Y : nullptr;
}

}  // namespace

std::int32_t WrapScreenCoordinate(std::int32_t value) { return value >= 65536 ? value - 65536 : value; }

std::int32_t ZoneWidth(const ZoneRect& zone) { return Wrapped(std::int64_t(zone.right) - zone.left + 1); }

std::int32_t ZoneHeight(const ZoneRect& zone) { return Wrapped(std::int64_t(zone.bottom) - zone.top + 1); }

ZoneRelease ReleaseZoneCorner(const ZoneRect& zone, ZoneCorner corner, std::int32_t x, std::int32_t y,
                              bool ctrl) {
    ZoneRelease out{zone};
    ZoneRect& z = out.zone;
    if (corner == ZoneCorner::Start) {
        if (ctrl) {
            z = {x, y, Wrapped(std::int64_t(x) + ZONE_CTRL_OFFSET), Wrapped(std::int64_t(y) + ZONE_CTRL_OFFSET)};
        } else if ((out.message = OrderMessage(x > zone.right, y > zone.bottom)) == nullptr) {
            z.left = x;
            z.top = y;
        }
    } else {
        if (ctrl) {
            z = {Wrapped(std::int64_t(x) - ZONE_CTRL_OFFSET), Wrapped(std::int64_t(y) - ZONE_CTRL_OFFSET), x, y};
        } else if ((out.message = OrderMessage(x < zone.left, y < zone.top)) == nullptr) {
            z.right = x;
            z.bottom = y;
        }
    }
    if (z.left > z.right) std::swap(z.left, z.right);
    if (z.top > z.bottom) std::swap(z.top, z.bottom);
    return out;
}

std::string ZoneSearchTitle(const ZoneRect& zone, ZoneCorner corner, std::int32_t x, std::int32_t y) {
    std::string title;
    bool reversed = false;
    if (corner == ZoneCorner::Start) {
        title = FormatText(texts::ZONE_SEARCH_START, x, y, zone.right, zone.bottom);
        reversed = x > zone.right || y > zone.bottom;
    } else {
        title = FormatText(texts::ZONE_SEARCH_END, zone.left, zone.top, x, y);
        reversed = x < zone.left || y < zone.top;
    }
    if (reversed) title += Tr(texts::ZONE_SEARCH_REVERSED);
    return platform::FitCp932Bytes(title, kTitleBytes);
}

std::string ZoneText(const ZoneRect& zone) {
    return FormatText(texts::ZONE_TEXT, zone.left, zone.top, zone.right, zone.bottom, ZoneWidth(zone),
                      ZoneHeight(zone));
}
