// Tracing a figure from one click: the time on a 12-megapixel picture (a
// hollow section with its hole, and filled: what the hole costs), and
// for each test figure the errors of the traced outline beside those of
// perfect clicks at whole display dots (counters, in picture dots; areas
// and moments in percent).
#include <benchmark/benchmark.h>

#include <string>

#include "tests/unit/figure_pictures.h"

namespace {

constexpr int kBigWidth = 4000, kBigHeight = 3000;
// The test pictures' figures twelve times as large on the big picture.
constexpr double kBigScale = 12;

trace::TraceRow Enlarged(trace::TraceRow r) {
    if (r.type == kLoopBreakType) return r;
    return {r.type, (r.x - 240) * kBigScale + kBigWidth / 2.0, (r.y - 180) * kBigScale + kBigHeight / 2.0};
}

// Traces rows rendered on the big picture from the seed (test picture dots).
void TraceBig(benchmark::State& state, const std::vector<trace::TraceRow>& figure, int seedX, int seedY) {
    std::vector<trace::TraceRow> rows;
    for (const trace::TraceRow& r : figure)
        rows.push_back(Enlarged(r));
    const std::vector<std::uint8_t> rgb = figpic::Render(rows, figpic::Damage::None, kBigWidth, kBigHeight);
    const trace::TraceRow seed = Enlarged({1, seedX + 0.5, seedY + 0.5});
    int found = 0, loops = 0;
    for (auto _ : state) {
        const trace::TraceResult result =
            trace::TraceFigure(rgb.data(), kBigWidth, kBigHeight, int(seed.x), int(seed.y), 200);
        found = int(result.rows.size());
        loops = result.loops;
        benchmark::DoNotOptimize(found);
    }
    state.counters["rows"] = found;
    state.counters["loops"] = loops;
    state.counters["MPix/s"] = benchmark::Counter(double(kBigWidth) * kBigHeight * 1e-6,
                                                  benchmark::Counter::kIsIterationInvariantRate);
}

// A rounded plate filling most of a 4000 x 3000 picture.
void BM_TraceRoundedPlate12Megapixels(benchmark::State& state) {
    TraceBig(state, figpic::Figures()[1].rows, 240, 180);
}
BENCHMARK(BM_TraceRoundedPlate12Megapixels)->Unit(benchmark::kMillisecond);

// The hollow rectangle on the same picture, with its hole and (the same
// outer figure) without: what tracing the hole costs.
void BM_TraceHollowRectangle12Megapixels(benchmark::State& state) {
    const figpic::Figure hollow = figpic::HollowFigures()[1];
    TraceBig(state, hollow.rows, hollow.seedX, hollow.seedY);
}
BENCHMARK(BM_TraceHollowRectangle12Megapixels)->Unit(benchmark::kMillisecond);

void BM_TraceHollowRectangleFilled12Megapixels(benchmark::State& state) {
    const figpic::Figure hollow = figpic::HollowFigures()[1];
    TraceBig(state, figpic::Loops(hollow.rows)[0], hollow.seedX, hollow.seedY);
}
BENCHMARK(BM_TraceHollowRectangleFilled12Megapixels)->Unit(benchmark::kMillisecond);

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
    std::vector<figpic::Figure> figures = figpic::Figures();
    for (const figpic::Figure& hollow : figpic::HollowFigures())
        figures.push_back(hollow);
    for (const figpic::Figure& figure : figures)
        for (const auto& [way, name] : ways)
            benchmark::RegisterBenchmark(
                ("Errors/" + figure.name + "/" + name).c_str(),
                [figure, way = way](benchmark::State& s) { Accuracy(s, figure, way); })
                ->Iterations(1)
                ->Unit(benchmark::kMillisecond);
    return true;
}();

}  // namespace
