// osSectionIntegrate on a full table: 200 points, 50 of the pieces arcs.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <vector>

#include "osmeca/osmeca.h"

namespace {

std::vector<SectionInputPoint> GearOutline() {
    std::vector<SectionInputPoint> inputs(OS_MAX_POINTS);
    for (int k = 0; k < OS_MAX_POINTS; ++k) {
        SectionInputPoint& p = inputs[k];
        std::memset(&p, 0, sizeof p);
        // every fourth point starts an arc through the next one
        p.type = k % 4 == 0 ? 2 : 1;
        const double t = 2 * std::numbers::pi * k / OS_MAX_POINTS;
        const double r = k % 4 == 3 ? 950 : 1000;
        char text[16];
        std::snprintf(text, sizeof text, "%8.2f", 2000 + r * std::cos(t));
        std::memcpy(p.xText, text, 8);
        std::snprintf(text, sizeof text, "%8.2f", 2000 + r * std::sin(t));
        std::memcpy(p.yText, text, 8);
    }
    return inputs;
}

void BM_SectionIntegrate200Points50Arcs(benchmark::State& state) {
    const std::vector<SectionInputPoint> inputs = GearOutline();
    std::vector<SectionSegment> segments(OS_MAX_SEGMENTS);
    SectionResults results;
    InclinedAxisTable table;
    int32_t count = 0;
    if (osSectionIntegrate(inputs.data(), segments.data(), OS_MAX_POINTS, &count, &results, &table) == 0) {
        state.SkipWithError("outline refused");
        return;
    }
    for (auto _ : state) {
        int32_t ok = osSectionIntegrate(inputs.data(), segments.data(), OS_MAX_POINTS, &count, &results, &table);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(results.values[OS_I_MAX]);
    }
}
BENCHMARK(BM_SectionIntegrate200Points50Arcs)->Unit(benchmark::kMicrosecond);

}  // namespace
