// The display image of a 4000 x 3000 picture. Full frame at four scales,
// each run side by side with a common cubic resize when the bench is built
// with OpenCV (same picture, same thread count, timed in turns within one
// run): the main time is ours, "peer_ms" the peer's, "ratio" ours over
// theirs (below 1 is faster). Then the viewer's case: the tiles of a
// 1920 x 1080 window rendered from nothing, and those a one-page scroll
// down exposes. Every result is checked against the formula written dot by
// dot on a sample of dots; a mismatch stops the bench.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

#include "render/display_raster.h"
#include "render/display_region.h"
#include "render/resample_rows.h"
#include "render/rgb_view.h"
#include "render/tile_cache.h"
#include "tests/unit/reference_resample.h"

#ifdef VELDRIO_BENCH_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int WIDTH = 4000;
constexpr int HEIGHT = 3000;
constexpr int WINDOW_WIDTH = 1920;
constexpr int WINDOW_HEIGHT = 1080;

// The picture's bytes, rows of WIDTH x 3 bytes.
const std::vector<std::uint8_t>& PhotoBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::mt19937 gen(1);
        std::vector<std::uint8_t> rgb(std::size_t(WIDTH) * HEIGHT * 3);
        for (int y = 0; y < HEIGHT; ++y)
            for (int x = 0; x < WIDTH; ++x) {
                std::uint8_t* p = &rgb[(std::size_t(y) * WIDTH + x) * 3];
                p[0] = std::uint8_t(x / 16 + (gen() & 15));
                p[1] = std::uint8_t(y / 12 + (gen() & 15));
                p[2] = std::uint8_t(((x / 64 + y / 64) & 1) * 200 + (gen() & 31));
            }
        return rgb;
    }();
    return bytes;
}

RgbView Photo() { return {PhotoBytes().data(), WIDTH, HEIGHT, std::ptrdiff_t(WIDTH) * 3}; }

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Dot (x, y) of the display image at scale is the formula's; the dot found
// through at(x, y) as red, green, blue.
template <class At>
bool SampleMatches(double scale, int dw, int dh, const DisplayRegion& region, At at) {
    for (int y = region.y; y < region.y + region.height; y += 61)
        for (int x = region.x; x < region.x + region.width; x += 53) {
            std::uint8_t dot[3];
            if (scale == 1.0)
                std::copy_n(Photo().bytes + (std::size_t(y) * WIDTH + x) * 3, 3, dot);
            else
                reference::ResampleDot(Photo().bytes, WIDTH, HEIGHT, scale, dw, dh, x, y, dot);
            const std::uint8_t* got = at(x, y);
            if (got[0] != dot[0] || got[1] != dot[1] || got[2] != dot[2]) return false;
        }
    return true;
}

void BM_FullFrame(benchmark::State& state) {
    const double scale = double(state.range(0)) / 100.0;
    const RgbView image = Photo();
    DisplayRaster raster;
    double ours = 0.0;
#ifdef VELDRIO_BENCH_OPENCV
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    cv::setNumThreads(threads);
    const cv::Mat source(HEIGHT, WIDTH, CV_8UC3, const_cast<std::uint8_t*>(image.bytes));
    cv::Mat peerOut;
    double peer = 0.0;
#endif
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        RenderDisplay(image, scale, raster);
        const double seconds = Seconds(start);
        ours += seconds;
        state.SetIterationTime(seconds);
#ifdef VELDRIO_BENCH_OPENCV
        start = std::chrono::steady_clock::now();
        cv::resize(source, peerOut, cv::Size(raster.width, raster.height), 0, 0, cv::INTER_CUBIC);
        peer += Seconds(start);
        benchmark::DoNotOptimize(peerOut.data);
#endif
        benchmark::DoNotOptimize(raster.pixels.data());
    }
    const DisplayRegion whole{0, 0, raster.width, raster.height};
    if (!SampleMatches(scale, raster.width, raster.height, whole, [&](int x, int y) {
            return &raster.pixels[(std::size_t(y) * raster.width + x) * 3];
        }))
        state.SkipWithError("the display raster differs from the dot-by-dot formula");
    const double n = double(state.iterations());
    state.counters["Mdots/s"] = double(raster.width) * raster.height * n / ours / 1e6;
#ifdef VELDRIO_BENCH_OPENCV
    state.counters["peer_ms"] = peer / n * 1e3;
    state.counters["ratio"] = ours / peer;
    state.SetLabel(std::to_string(threads) + " threads each");
#endif
}

// The tiles under a 1920 x 1080 window in the display image's middle.
TileSpan WindowTiles(const TileCache& cache, int pagesDown) {
    const int x = (cache.displayWidth() - WINDOW_WIDTH) / 2;
    const int y = (cache.displayHeight() - WINDOW_HEIGHT) / 2 + pagesDown * WINDOW_HEIGHT;
    return TilesCovering({x, y, WINDOW_WIDTH, WINDOW_HEIGHT}, cache.displayWidth(), cache.displayHeight());
}

bool TilesMatch(TileCache& cache, double scale, const TileSpan& span) {
    const DisplayRegion region{span.firstColumn * TILE_SIDE, span.firstRow * TILE_SIDE,
                               std::min((span.endColumn - span.firstColumn) * TILE_SIDE,
                                        cache.displayWidth() - span.firstColumn * TILE_SIDE),
                               std::min((span.endRow - span.firstRow) * TILE_SIDE,
                                        cache.displayHeight() - span.firstRow * TILE_SIDE)};
    std::uint8_t rgb[3];
    return SampleMatches(scale, cache.displayWidth(), cache.displayHeight(), region, [&](int x, int y) {
        const DeviceRaster* tile = cache.Find(x / TILE_SIDE, y / TILE_SIDE);
        const std::uint8_t* p = &tile->pixels[std::size_t(y % TILE_SIDE) * tile->rowBytes + (x % TILE_SIDE) * 4];
        rgb[0] = p[2];
        rgb[1] = p[1];
        rgb[2] = p[0];
        return static_cast<const std::uint8_t*>(rgb);
    });
}

// A change of magnification: the window's tiles from an empty cache.
void BM_WindowTiles(benchmark::State& state) {
    const double scale = double(state.range(0)) / 100.0;
    TileCache cache(std::size_t(48) << 20);
    for (auto _ : state) {
        cache.Clear();
        cache.Show(Photo(), scale, 32);
        cache.Require(WindowTiles(cache, 0));
    }
    if (!TilesMatch(cache, scale, WindowTiles(cache, 0)))
        state.SkipWithError("a tile differs from the dot-by-dot formula");
    state.counters["tiles"] = double(cache.tileCount());
}

// A one-page scroll down: the tiles it exposes, the others already held.
void BM_PageScroll(benchmark::State& state) {
    const double scale = double(state.range(0)) / 100.0;
    TileCache cache(std::size_t(48) << 20);
    std::size_t rendered = 0;
    for (auto _ : state) {
        state.PauseTiming();
        cache.Clear();
        cache.Show(Photo(), scale, 32);
        cache.Require(WindowTiles(cache, 0));
        rendered = cache.renderedCount();
        state.ResumeTiming();
        cache.Require(WindowTiles(cache, 1));
    }
    if (!TilesMatch(cache, scale, WindowTiles(cache, 1)))
        state.SkipWithError("a tile differs from the dot-by-dot formula");
    state.counters["new_tiles"] = double(cache.renderedCount() - rendered);
}

void KernelName(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(FastestRowKernel());
    state.SetLabel(SupportedRowKernels().back().name);
}

}  // namespace

BENCHMARK(KernelName)->Iterations(1);
BENCHMARK(BM_FullFrame)->Arg(50)->Arg(150)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->UseManualTime()->MinTime(1.0);
BENCHMARK(BM_WindowTiles)->Arg(50)->Arg(100)->Arg(150)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PageScroll)->Arg(100)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->UseRealTime();
