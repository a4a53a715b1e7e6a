// The photo corrected onto its plane: a 4000 x 3000 picture rectified into
// 4000 x 3000 dots through a tilted plane's homography, side by side with a
// common cubic perspective warp when the bench is built with OpenCV (same
// picture, same map, same thread count, timed in turns within one run):
// the main time is ours, "peer_ms" the peer's, "ratio" ours over theirs
// (below 1 is faster). The result is checked against the formula written
// dot by dot on a sample of dots; a mismatch stops the bench.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <random>
#include <thread>
#include <vector>

#include "render/rectify_picture.h"
#include "render/rgb_view.h"
#include "tests/unit/reference_rectify.h"

#ifdef VELDRIO_BENCH_OPENCV
#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>
#endif

namespace {

constexpr int kWidth = 4000;
constexpr int kHeight = 3000;

const std::vector<std::uint8_t>& PhotoBytes() {
    static const std::vector<std::uint8_t> bytes = [] {
        std::mt19937 gen(1);
        std::vector<std::uint8_t> rgb(std::size_t(kWidth) * kHeight * 3);
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                std::uint8_t* p = &rgb[(std::size_t(y) * kWidth + x) * 3];
                p[0] = std::uint8_t(x / 16 + (gen() & 15));
                p[1] = std::uint8_t(y / 12 + (gen() & 15));
                p[2] = std::uint8_t(((x / 64 + y / 64) & 1) * 200 + (gen() & 31));
            }
        return rgb;
    }();
    return bytes;
}

// Output dots to source dots: a plane seen tilted about 30 degrees, its
// far side at the top of the photo.
constexpr double kOutToSource[9] = {0.8, 0.12, 300, 0.0, 0.62, 260, 0.0, 0.00009, 1.0};

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

bool SampleMatches(const std::vector<std::uint8_t>& out) {
    std::mt19937 gen(3);
    for (int i = 0; i < 20000; ++i) {
        const int x = int(gen() % kWidth), y = int(gen() % kHeight);
        std::uint8_t want[3];
        reference::RectifyDot(PhotoBytes().data(), kWidth, kHeight, kOutToSource, x, y, want);
        if (!std::equal(want, want + 3, &out[(std::size_t(y) * kWidth + x) * 3])) return false;
    }
    return true;
}

void BM_Rectify12MP(benchmark::State& state) {
    const bool plain = state.range(0) != 0;
    UsePlainRectify(plain);
    const RgbView photo{PhotoBytes().data(), kWidth, kHeight, std::ptrdiff_t(kWidth) * 3};
    std::vector<std::uint8_t> out(std::size_t(kWidth) * kHeight * 3);
    double ours = 0.0;
#ifdef VELDRIO_BENCH_OPENCV
    const int threads = int(std::max(1u, std::thread::hardware_concurrency()));
    cv::setNumThreads(threads);
    const cv::Mat source(kHeight, kWidth, CV_8UC3, const_cast<std::uint8_t*>(photo.bytes));
    const cv::Mat map(3, 3, CV_64F, const_cast<double*>(kOutToSource));
    cv::Mat peerOut;
    double peer = 0.0;
#endif
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        RectifyPicture(photo, kOutToSource, kWidth, kHeight, out.data(), std::ptrdiff_t(kWidth) * 3);
        const double seconds = Seconds(start);
        ours += seconds;
        state.SetIterationTime(seconds);
#ifdef VELDRIO_BENCH_OPENCV
        start = std::chrono::steady_clock::now();
        cv::warpPerspective(source, peerOut, map, cv::Size(kWidth, kHeight),
                            cv::INTER_CUBIC | cv::WARP_INVERSE_MAP, cv::BORDER_CONSTANT,
                            cv::Scalar(255, 255, 255));
        peer += Seconds(start);
        benchmark::DoNotOptimize(peerOut.data);
#endif
        benchmark::DoNotOptimize(out.data());
    }
    UsePlainRectify(false);
    if (!SampleMatches(out)) state.SkipWithError("the corrected picture differs from the dot-by-dot formula");
    const double n = double(state.iterations());
    state.counters["Mdots/s"] = double(kWidth) * kHeight * n / ours / 1e6;
#ifdef VELDRIO_BENCH_OPENCV
    state.counters["peer_ms"] = peer / n * 1e3;
    state.counters["ratio"] = ours / peer;
    state.SetLabel(std::string(plain ? "plain, " : "") + std::to_string(threads) + " threads each");
#endif
}

}  // namespace

BENCHMARK(BM_Rectify12MP)->Arg(0)->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
