// One paint's overlay with a full table: 200 points round a circle, every
// fourth starting an arc, calculated, drawn into a 1024 x 768 picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <numbers>

#include "data/calc_driver.h"
#include "platform/fonts.h"
#include "platform/message_box_recorder.h"
#include "viewer/overlay_geometry.h"
#include "viewer/overlay_painter.h"

namespace {

QGuiApplication& Application() {
    static int argc = 1;
    static char name[] = "overlay_paint_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(argc, argv);
    platform::InstallFontSubstitutions();
    return app;
}

struct FullTable {
    platform::MessageBoxRecorder boxes;
    SampleTable table;
    CalcState calc;
    bool calculated = false;

    FullTable() {
        for (int k = 0; k < SAMPLE_CAPACITY; ++k) {
            const double t = 2 * std::numbers::pi * k / SAMPLE_CAPACITY;
            const double r = k % 4 == 1 ? 355 : 350;  // each arc bulges out a little
            table.AddPoint(static_cast<int>(500 + r * std::cos(t)), static_cast<int>(380 + r * std::sin(t)));
            table.rows[static_cast<std::size_t>(k)].type = k % 4 == 0 && k + 1 < SAMPLE_CAPACITY ? 2 : 1;
        }
        calculated = RunCalculation(table, calc, 1.0, nullptr);
    }
};

void BM_OverlayGeometry(benchmark::State& state) {
    const FullTable full;
    if (!full.calculated) state.SkipWithError("the outline did not calculate");
    for (auto _ : state)
        benchmark::DoNotOptimize(OverlayGeometry(full.table, full.calc, {3, 4, 13}, DEFAULT_COLOUR_NUMBERS));
}
BENCHMARK(BM_OverlayGeometry);

void BM_OverlayPaint(benchmark::State& state) {
    Application();
    const FullTable full;
    if (!full.calculated) state.SkipWithError("the outline did not calculate");
    QImage image(1024, 768, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        DrawSampleOverlay(painter, full.table, full.calc, 3, 4, DEFAULT_COLOUR_NUMBERS);
    }
}
BENCHMARK(BM_OverlayPaint)->Unit(benchmark::kMillisecond);

}  // namespace
