#include "app/layout_widening.h"

#include <algorithm>
#include <cstddef>
#include <numeric>

namespace {

// A control alone across its rows whose right edge lies within this many
// pixels of the window's right edge keeps its distance to that edge.
constexpr int kRightMarginSlack = 16;

bool Counts(const WideningBox& box) { return box.width > 0 && box.height > 0; }

int Right(const WideningBox& box) { return box.x + box.width; }

// left lies wholly left of right and the two share a row of pixels.
bool LeftOf(const WideningBox& left, const WideningBox& right) {
    return Right(left) <= right.x && left.y < right.y + right.height && right.y < left.y + left.height;
}

}  // namespace

WidenedLayout WidenLayout(std::span<const WideningBox> boxes, int clientWidth) {
    const std::size_t count = boxes.size();
    std::vector<int> grow(count, 0);
    std::vector<int> shift(count, 0);
    for (std::size_t i = 0; i < count; ++i)
        if (Counts(boxes[i])) grow[i] = std::max(0, boxes[i].neededWidth - boxes[i].width);

    // Left to right: a box moves by the furthest any box left of it ends up pushing.
    std::vector<std::size_t> order(count);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return boxes[a].x < boxes[b].x; });
    int extension = 0;
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t c = order[n];
        if (!Counts(boxes[c])) continue;
        for (std::size_t m = 0; m < n; ++m) {
            const std::size_t p = order[m];
            if (Counts(boxes[p]) && LeftOf(boxes[p], boxes[c]))
                shift[c] = std::max(shift[c], shift[p] + grow[p]);
        }
        extension = std::max(extension, shift[c] + grow[c]);
    }

    WidenedLayout widened;
    widened.clientWidth = clientWidth + extension;
    widened.boxes.assign(boxes.begin(), boxes.end());
    for (std::size_t i = 0; i < count; ++i) {
        if (!Counts(boxes[i])) continue;
        WideningBox& box = widened.boxes[i];
        box.x += shift[i];
        box.width += grow[i];
        const int gap = clientWidth - Right(boxes[i]);
        if (extension == 0 || gap < 0 || gap > kRightMarginSlack) continue;
        const bool alone = std::none_of(boxes.begin(), boxes.end(), [&](const WideningBox& other) {
            return Counts(other) && (LeftOf(boxes[i], other) || LeftOf(other, boxes[i]));
        });
        if (alone) box.width = widened.clientWidth - gap - box.x;
    }
    return widened;
}

int NarrowestFittingWidth(int from, int limit, const std::function<bool(int)>& fits) {
    if (from >= limit) return limit;
    if (fits(from)) return from;
    int low = from;  // does not fit
    int high = limit;
    if (!fits(high)) return limit;
    while (high - low > 1) {
        const int middle = low + (high - low) / 2;
        (fits(middle) ? high : low) = middle;
    }
    return high;
}
