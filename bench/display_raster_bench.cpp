// The display raster of a 4000 x 3000 image at three scales: the program's
// resampling against the formula written dot by dot, in output dots per
// second. The two must agree byte for byte; a mismatch stops the bench.
#include <benchmark/benchmark.h>

#include <random>

#include "image/image_data.h"
#include "tests/unit/reference_resample.h"
#include "viewer/display_raster.h"

namespace {

constexpr int WIDTH = 4000;
constexpr int HEIGHT = 3000;

const CImageData& Photo() {
    static const CImageData image = [] {
        std::mt19937 gen(1);
        std::vector<std::uint8_t> rgb(std::size_t(WIDTH) * HEIGHT * 3);
        for (int y = 0; y < HEIGHT; ++y)
            for (int x = 0; x < WIDTH; ++x) {
                std::uint8_t* p = &rgb[(std::size_t(y) * WIDTH + x) * 3];
                p[0] = std::uint8_t(x / 16 + (gen() & 15));
                p[1] = std::uint8_t(y / 12 + (gen() & 15));
                p[2] = std::uint8_t(((x / 64 + y / 64) & 1) * 200 + (gen() & 31));
            }
        CImageData data;
        data.SetImageSize(WIDTH, HEIGHT);
        data.StorePixels(rgb.data(), rgb.size(), false);
        return data;
    }();
    return image;
}

void SetDotsPerSecond(benchmark::State& state, std::int64_t dots) {
    state.counters["dots/s"] =
        benchmark::Counter(double(dots) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_RenderDisplay(benchmark::State& state) {
    const double scale = double(state.range(0)) / 100.0;
    const CImageData& image = Photo();
    DisplayRaster raster;
    for (auto _ : state) {
        RenderDisplay(image, scale, raster);
        benchmark::DoNotOptimize(raster.pixels.data());
    }
    int w = 0, h = 0;
    const std::vector<std::uint8_t> expected =
        reference::Resample(image.pixels(), WIDTH, HEIGHT, scale, w, h);
    if (raster.width != w || raster.height != h || raster.pixels != expected)
        state.SkipWithError("the display raster differs from the dot-by-dot formula");
    SetDotsPerSecond(state, std::int64_t(raster.width) * raster.height);
}

void BM_DotByDotFormula(benchmark::State& state) {
    const double scale = double(state.range(0)) / 100.0;
    const CImageData& image = Photo();
    int w = 0, h = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> out = reference::Resample(image.pixels(), WIDTH, HEIGHT, scale, w, h);
        benchmark::DoNotOptimize(out.data());
    }
    SetDotsPerSecond(state, std::int64_t(w) * h);
}

}  // namespace

BENCHMARK(BM_RenderDisplay)->Arg(50)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DotByDotFormula)->Arg(50)->Arg(150)->Arg(200)->Unit(benchmark::kMillisecond)->UseRealTime();
