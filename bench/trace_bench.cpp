// Tracing a figure from one click: the time on a 12-megapixel picture, and
// for each test figure the errors of the traced outline beside those of
// perfect clicks at whole display dots (counters, in picture dots; areas
// and moments in percent).
#include <benchmark/benchmark.h>

#include <string>

#include "tests/unit/figure_pictures.h"

namespace {

// A rounded plate filling most of a 4000 x 3000 picture.
void BM_TraceRoundedPlate12Megapixels(benchmark::State& state) {
    constexpr int width = 4000, height = 3000;
    std::vector<trace::TraceRow> rows = figpic::Figures()[1].rows;
    for (trace::TraceRow& r : rows) {
        r.x = (r.x - 240) * 12 + width / 2.0;
        r.y = (r.y - 180) * 12 + height / 2.0;
    }
    const std::vector<std::uint8_t> rgb = figpic::Render(rows, figpic::Damage::None, width, height);
    int found = 0;
    for (auto _ : state) {
        const trace::TraceResult result =
            trace::TraceFigure(rgb.data(), width, height, width / 2, height / 2, 200);
        found = int(result.rows.size());
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = found;
    state.counters["MPix/s"] =
        benchmark::Counter(double(width) * height * 1e-6, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_TraceRoundedPlate12Megapixels)->Unit(benchmark::kMillisecond);

enum class Way { TracedClean, TracedDamaged, TracedUnevenLight, TracedGrain, Clicked100, Clicked400 };

void Accuracy(benchmark::State& state, const figpic::Figure& figure, Way way) {
    std::vector<trace::TraceRow> rows;
    for (auto _ : state) {
        if (way == Way::Clicked100 || way == Way::Clicked400) {
            rows = figpic::ClickedRows(figure.rows, way == Way::Clicked100 ? 1.0 : 4.0);
        } else {
            const auto damage = way == Way::TracedClean         ? figpic::Damage::None
                                : way == Way::TracedUnevenLight ? figpic::Damage::Gradient
                                : way == Way::TracedGrain       ? figpic::Damage::Grain
                                                                : figpic::Damage::BlurNoiseJpeg;
            const std::vector<std::uint8_t> rgb = figpic::Render(figure.rows, damage);
            rows =
                trace::TraceFigure(rgb.data(), figpic::WIDTH, figpic::HEIGHT, figure.seedX, figure.seedY, 200)
                    .rows;
        }
    }
    const figpic::Errors e = figpic::ErrorsOf(figpic::PropertiesOf(rows), figpic::PropertiesOf(figure.rows));
    state.counters["area_%"] = e.areaPercent;
    state.counters["centroid"] = e.centroid;
    state.counters["Imax_%"] = e.iMaxPercent;
    state.counters["Imin_%"] = e.iMinPercent;
}

const bool registered = [] {
    const std::pair<Way, const char*> ways[] = {{Way::TracedClean, "traced clean"},
                                                {Way::TracedDamaged, "traced blur+noise+JPEG"},
                                                {Way::TracedUnevenLight, "traced uneven light"},
                                                {Way::TracedGrain, "traced grain"},
                                                {Way::Clicked100, "clicked at 100%"},
                                                {Way::Clicked400, "clicked at 400%"}};
    for (const figpic::Figure& figure : figpic::Figures())
        for (const auto& [way, name] : ways)
            benchmark::RegisterBenchmark(
                ("Errors/" + figure.name + "/" + name).c_str(),
                [figure, way = way](benchmark::State& s) { Accuracy(s, figure, way); })
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
