// osSectionIntegrate on a full table: 200 points, 50 of the pieces arcs;
// and 200 rows making ten loops (a plate with nine holes).
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

void SetText(char (&field)[8], double value) {
    char text[16];
    std::snprintf(text, sizeof text, "%8.2f", value);
    std::memcpy(field, text, 8);
}

// An outer 20-gon around nine holes of 19 points each, a break before each hole.
std::vector<SectionInputPoint> PlateWithNineHoles() {
    std::vector<SectionInputPoint> inputs;
    auto loop = [&](double cx, double cy, double r, int n) {
        if (!inputs.empty()) {
            SectionInputPoint& gap = inputs.emplace_back();
            std::memset(&gap, 0, sizeof gap);
            gap.type = OS_TYPE_LOOP_BREAK;
        }
        for (int k = 0; k < n; ++k) {
            SectionInputPoint& p = inputs.emplace_back();
            std::memset(&p, 0, sizeof p);
            p.type = 1;
            const double t = 2 * std::numbers::pi * k / n;
            SetText(p.xText, cx + r * std::cos(t));
            SetText(p.yText, cy + r * std::sin(t));
        }
    };
    loop(2000, 2000, 1900, 20);
    for (int k = 0; k < 9; ++k) loop(1000 + 1000 * (k % 3), 1000 + 1000 * (k / 3), 300, 19);
    return inputs;
}

void BM_SectionIntegrateTenLoopsIn200Rows(benchmark::State& state) {
    const std::vector<SectionInputPoint> inputs = PlateWithNineHoles();
    std::vector<SectionSegment> segments(OS_MAX_SEGMENTS);
    SectionResults results;
    InclinedAxisTable table;
    int32_t count = 0;
    const int32_t rows = int32_t(inputs.size());
    if (rows != OS_MAX_POINTS ||
        osSectionIntegrate(inputs.data(), segments.data(), rows, &count, &results, &table) == 0) {
        state.SkipWithError("outline refused");
        return;
    }
    for (auto _ : state) {
        int32_t ok = osSectionIntegrate(inputs.data(), segments.data(), rows, &count, &results, &table);
        benchmark::DoNotOptimize(ok);
        benchmark::DoNotOptimize(results.values[OS_AREA]);
    }
}
BENCHMARK(BM_SectionIntegrateTenLoopsIn200Rows)->Unit(benchmark::kMicrosecond);

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
