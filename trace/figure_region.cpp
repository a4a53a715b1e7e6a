#include "trace/figure_region.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace trace {

namespace {

constexpr int kStepX[4] = {1, 0, -1, 0};
constexpr int kStepY[4] = {0, 1, 0, -1};

// What the mask knows of a dot of a row that was read, besides kInRegion:
// on the seed's side (not filled yet), or on the other side.
constexpr std::uint8_t kFigureSide = 2;
constexpr std::uint8_t kOtherSide = 3;
// The weights of the 1 2 1 by 1 2 1 smoothing add up to this.
constexpr double kSmoothSum = 16;

// The scanline flood fill in a growing window. A row of the window is read
// (its levels, and each dot's side in the mask) when the fill first comes
// to it.
class RegionGrower {
public:
    RegionGrower(const GreyPicture& picture, const FigureLevels& levels)
        : picture_(picture), levels_(levels) {}

    FigureRegion Grow(int seedX, int seedY) {
        TraceWindow& w = region_.window;
        w.left = std::max(0, seedX - kFirstWindowHalf);
        w.top = std::max(0, seedY - kFirstWindowHalf);
        w.width = std::min(picture_.width(), seedX + kFirstWindowHalf) - w.left;
        w.height = std::min(picture_.height(), seedY + kFirstWindowHalf) - w.top;
        region_.mask.reset(new std::uint8_t[Area(w)]);
        grey_.reset(new std::uint8_t[Area(w)]);
        rowRead_.assign(std::size_t(w.height), false);
        region_.topX = region_.minX = region_.maxX = seedX;
        region_.topY = region_.minY = region_.maxY = seedY;
        ReadRow(seedY);
        stack_.emplace_back(seedX, seedY);
        for (;;) {
            Fill();
            if (beyond_.empty()) break;
            Widen();
            std::vector<Span> spans;
            spans.swap(beyond_);
            for (const Span& s : spans)
                PushRuns(s.y, s.left, s.right);
        }
        // Rows never read hold no figure dot.
        for (int y = 0; y < w.height; ++y)
            if (!rowRead_[std::size_t(y)])
                std::fill_n(region_.mask.get() + std::size_t(y) * std::size_t(w.width), w.width, 0);
        // Every dot of the region lies on the figure's side.
        region_.insideLevel = ClassLevel(histogram_, 0, kLevels - 1);
        return std::move(region_);
    }

private:
    // Dots left .. right of row y, outside the window, that the fill reached.
    struct Span {
        int y, left, right;
    };

    static std::size_t Area(const TraceWindow& w) { return std::size_t(w.width) * std::size_t(w.height); }
    int Right() const { return region_.window.left + region_.window.width; }
    int Bottom() const { return region_.window.top + region_.window.height; }
    std::size_t RowStart(int y) const {
        return std::size_t(y - region_.window.top) * std::size_t(region_.window.width);
    }

    // Reads dots x0 .. x1 - 1 of row y: their levels, and their sides by
    // the levels lightly smoothed (1 2 1 across and down), so that a grain
    // of the background or a noisy dot does not join the figure.
    void ReadDots(int y, int x0, int x1) {
        const std::size_t at = RowStart(y) + std::size_t(x0 - region_.window.left);
        std::uint8_t* __restrict grey = grey_.get() + at;
        std::uint8_t* __restrict side = region_.mask.get() + at;
        const int lo = std::max(0, x0 - 1), hi = std::min(picture_.width(), x1 + 1);
        const std::size_t span = std::size_t(hi - lo);
        for (std::vector<std::uint8_t>& line : near_)
            line.resize(span);
        picture_.RowLevels(std::max(0, y - 1), lo, hi, near_[0].data());
        picture_.RowLevels(y, lo, hi, near_[1].data());
        picture_.RowLevels(std::min(picture_.height() - 1, y + 1), lo, hi, near_[2].data());
        std::copy_n(near_[1].data() + (x0 - lo), x1 - x0, grey);
        column_.resize(span);
        for (std::size_t k = 0; k < span; ++k)
            column_[k] = near_[0][k] + 2 * near_[1][k] + near_[2][k];
        // The threshold along the row: a plane, so one step per dot.
        const double t0 = kSmoothSum * levels_.Threshold(x0 + 0.5, y + 0.5);
        const double dt = kSmoothSum * levels_.Threshold(x0 + 1.5, y + 0.5) - t0;
        const std::uint8_t above = levels_.brightFigure ? kFigureSide : kOtherSide;
        const std::uint8_t below = levels_.brightFigure ? kOtherSide : kFigureSide;
        const int n = x1 - x0;
        const int last = int(span) - 1;
        for (int i = 0; i < n; ++i) {
            const int c = x0 + i - lo;
            const int sum = column_[std::size_t(std::max(0, c - 1))] + 2 * column_[std::size_t(c)] +
                            column_[std::size_t(std::min(last, c + 1))];
            side[i] = sum > t0 + dt * i ? above : below;
        }
    }

    void ReadRow(int y) {
        if (rowRead_[std::size_t(y - region_.window.top)]) return;
        rowRead_[std::size_t(y - region_.window.top)] = true;
        ReadDots(y, region_.window.left, Right());
    }

    // Pushes the first dot of every open run in left .. right of row y,
    // a row of the window.
    void PushRuns(int y, int left, int right) {
        ReadRow(y);
        const std::uint8_t* side = region_.mask.get() + RowStart(y) - region_.window.left;
        bool inRun = false;
        for (int i = left; i <= right; ++i) {
            const bool open = side[i] == kFigureSide;
            if (open && !inRun) stack_.emplace_back(i, y);
            inRun = open;
        }
    }

    // Each popped dot grows into its whole run on the row, and every run of
    // open dots above and below is pushed once; what lies past the window
    // is kept for when the window has grown. A pushed dot's row was read.
    void Fill() {
        const TraceWindow& w = region_.window;
        while (!stack_.empty()) {
            const auto [x, y] = stack_.back();
            stack_.pop_back();
            std::uint8_t* side = region_.mask.get() + RowStart(y) - w.left;
            if (side[x] != kFigureSide) continue;
            int left = x, right = x;
            while (left > w.left && side[left - 1] == kFigureSide)
                --left;
            while (right + 1 < Right() && side[right + 1] == kFigureSide)
                ++right;
            if (left == w.left && left > 0) beyond_.push_back({y, left - 1, left - 1});
            if (right + 1 == Right() && right + 1 < picture_.width())
                beyond_.push_back({y, right + 1, right + 1});
            const std::uint8_t* grey = grey_.get() + RowStart(y) - w.left;
            for (int i = left; i <= right; ++i) {
                side[i] = FigureRegion::kInRegion;
                ++histogram_[grey[i]];
            }
            region_.dots += right - left + 1;
            if (y < region_.topY || (y == region_.topY && left < region_.topX)) {
                region_.topX = left;
                region_.topY = y;
            }
            region_.minX = std::min(region_.minX, left);
            region_.maxX = std::max(region_.maxX, right);
            region_.minY = std::min(region_.minY, y);
            region_.maxY = std::max(region_.maxY, y);
            for (int ny : {y - 1, y + 1}) {
                if (ny < 0 || ny >= picture_.height()) continue;
                if (ny < w.top || ny >= Bottom())
                    beyond_.push_back({ny, left, right});
                else
                    PushRuns(ny, left, right);
            }
        }
    }

    // Moves every side the fill ran past out by the window's size across
    // it (half of it each when both sides of a direction were passed),
    // clamped to the picture, and carries the rows read over.
    void Widen() {
        const TraceWindow old = region_.window;
        const int oldRight = Right();
        bool pastLeft = false, pastRight = false, pastTop = false, pastBottom = false;
        for (const Span& s : beyond_) {
            pastLeft |= s.left < old.left;
            pastRight |= s.right >= oldRight;
            pastTop |= s.y < old.top;
            pastBottom |= s.y >= Bottom();
        }
        auto widen = [](int& low, int& size, bool pastLow, bool pastHigh, int limit) {
            const int grow = pastLow && pastHigh ? (size + 1) / 2 : size;
            int high = low + size;
            if (pastLow) low = std::max(0, low - grow);
            if (pastHigh) high = std::min(limit, high + grow);
            size = high - low;
        };
        TraceWindow w = old;
        widen(w.left, w.width, pastLeft, pastRight, picture_.width());
        widen(w.top, w.height, pastTop, pastBottom, picture_.height());
        std::unique_ptr<std::uint8_t[]> mask(new std::uint8_t[Area(w)]);
        std::unique_ptr<std::uint8_t[]> grey(new std::uint8_t[Area(w)]);
        std::vector<bool> rowRead(std::size_t(w.height), false);
        for (int y = 0; y < old.height; ++y) {
            if (!rowRead_[std::size_t(y)]) continue;
            const std::ptrdiff_t from = std::ptrdiff_t(y) * old.width;
            const std::ptrdiff_t to = std::ptrdiff_t(y + old.top - w.top) * w.width + (old.left - w.left);
            std::copy_n(region_.mask.get() + from, old.width, mask.get() + to);
            std::copy_n(grey_.get() + from, old.width, grey.get() + to);
            rowRead[std::size_t(y + old.top - w.top)] = true;
        }
        region_.mask.swap(mask);
        grey_.swap(grey);
        rowRead_.swap(rowRead);
        region_.window = w;
        // Rows read before are read across the new window too.
        for (int y = old.top; y < old.top + old.height; ++y) {
            if (!rowRead_[std::size_t(y - w.top)]) continue;
            if (w.left < old.left) ReadDots(y, w.left, old.left);
            if (Right() > oldRight) ReadDots(y, oldRight, Right());
        }
    }

    const GreyPicture& picture_;
    const FigureLevels& levels_;
    FigureRegion region_;
    std::unique_ptr<std::uint8_t[]> grey_;  // the window's levels, where its rows were read
    std::vector<bool> rowRead_;             // per row of the window
    std::vector<std::uint8_t> near_[3];     // the levels of a row and its neighbours, for the smoothing
    std::vector<int> column_;               // their 1 2 1 sums down
    std::vector<std::int64_t> histogram_ = std::vector<std::int64_t>(kLevels, 0);
    std::vector<std::pair<int, int>> stack_;
    std::vector<Span> beyond_;
};

}  // namespace

std::optional<FigureRegion> RegionAroundSeed(const GreyPicture& picture, const FigureLevels& levels,
                                             int seedX, int seedY) {
    if (!picture.Contains(seedX, seedY) || !levels.InFigure(picture.At(seedX, seedY), seedX, seedY))
        return std::nullopt;
    return RegionGrower(picture, levels).Grow(seedX, seedY);
}

bool ReachesAllEdges(const FigureRegion& region, const GreyPicture& picture) {
    return region.minX == 0 && region.minY == 0 && region.maxX == picture.width() - 1 &&
           region.maxY == picture.height() - 1;
}

bool SeedSideIsBackground(const GreyPicture& picture, const FigureLevels& levels) {
    std::int64_t seedSide = 0, otherSide = 0;
    auto count = [&](int x, int y) { ++(levels.InFigure(picture.At(x, y), x, y) ? seedSide : otherSide); };
    const int w = picture.width(), h = picture.height();
    for (int x = 0; x < w; ++x) {
        count(x, 0);
        if (h > 1) count(x, h - 1);
    }
    for (int y = 1; y + 1 < h; ++y) {
        count(0, y);
        if (w > 1) count(w - 1, y);
    }
    return seedSide > otherSide;
}

std::vector<Crack> FollowBoundary(const FigureRegion& region, int startX, int startY, int arrival) {
    std::vector<Crack> cracks;
    // Crack following: from the start corner, arrived there in direction
    // `arrival`, the walk keeps the figure on its right and ends when it
    // arrives there the same way again.
    int x = startX, y = startY, d = arrival;
    // The dot ahead on the right or left of direction d from corner (x, y).
    auto aheadIn = [&](int dir, int side) {
        const int rx = -kStepY[dir] * side, ry = kStepX[dir] * side;
        const int sx = kStepX[dir] + rx, sy = kStepY[dir] + ry;  // each -1 or 1
        return region.In(x + (sx - 1) / 2, y + (sy - 1) / 2);
    };
    do {
        if (!aheadIn(d, 1))
            d = (d + 1) % 4;  // around the corner of the dot on the right
        else if (aheadIn(d, -1))
            d = (d + 3) % 4;  // the dot ahead on the left is the figure's too
        cracks.push_back({x, y, d});
        x += kStepX[d];
        y += kStepY[d];
    } while (!(x == startX && y == startY && d == arrival));
    return cracks;
}

std::vector<Crack> OuterBoundary(const FigureRegion& region) {
    // Arriving upward along the left edge of the first dot.
    return FollowBoundary(region, region.topX, region.topY, 3);
}

}  // namespace trace
