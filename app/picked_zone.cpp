#include "app/picked_zone.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>

#include "app/screen_zone.h"

namespace {

std::int32_t DesktopLength(int devicePixels, double pixelRatio) {
    const double ratio = pixelRatio > 0 ? pixelRatio : 1.0;
    return std::int32_t(std::max(1.0, std::round(devicePixels / ratio)));
}

// The far corner of a side starting at from: two's complement, like the
// zone's other arithmetic.
std::int32_t FarCorner(std::int32_t from, std::int32_t length) {
    return std::int32_t(std::uint32_t(std::int64_t(from) + length - 1));
}

}  // namespace

ZoneRect ZoneOfPicture(const ZoneRect& previous, int width, int height, double pixelRatio) {
    return {previous.left, previous.top, FarCorner(previous.left, DesktopLength(width, pixelRatio)),
            FarCorner(previous.top, DesktopLength(height, pixelRatio))};
}

ScreenSource PickedZoneScreen(PickedZone picked, std::function<int()> depth) {
    ScreenSource screen;
    screen.depth = std::move(depth);
    const auto held = std::make_shared<const PickedZone>(std::move(picked));
    screen.grab = [held](int left, int top, int width, int height, ScreenPicture& out) {
        const ZoneRect& zone = held->zone;
        if (left != zone.left || top != zone.top || width != ZoneWidth(zone) || height != ZoneHeight(zone))
            return false;
        out = held->picture;
        return true;
    };
    return screen;
}
