// One click traces the figure: pictures with known outlines traced from a
// seed dot, the rows stored in the sample table and calculated as the edit
// window calculates them.
#include <gtest/gtest.h>

#include "data/calc_driver.h"
#include "figure_pictures.h"
#include "image/view_image.h"
#include "platform/message_box_recorder.h"
#include "viewer/figure_tracing.h"

namespace {

using figpic::Damage;

CViewImage ViewOf(const std::vector<std::uint8_t>& rgb, int width, int height, double scale) {
    CViewImage view;
    view.image.SetImageSize(width, height);
    view.image.StorePixels(rgb.data(), rgb.size(), false);
    view.displayScale = scale;
    return view;
}

// Twice the signed area of the rows' polygon: positive when clockwise on the screen.
double TurnOf(const SampleTable& table) {
    double sum = 0;
    for (int i = 0; i < table.count; ++i) {
        const SamplePoint& a = table.rows[i];
        const SamplePoint& b = table.rows[(i + 1) % table.count];
        sum += double(a.x) * b.y - double(b.x) * a.y;
    }
    return sum;
}

struct Limits {
    double areaPercent, centroid, momentPercent;
};

void ExpectTracedAndCalculated(const figpic::Figure& figure, Damage damage, double scale, Limits limits) {
    SCOPED_TRACE(figure.name + (damage == Damage::None ? ", clean" : ", blurred, noisy, JPEG"));
    platform::MessageBoxRecorder boxes;
    const CViewImage view = ViewOf(figpic::Render(figure.rows, damage), figpic::WIDTH, figpic::HEIGHT, scale);
    SampleTable table;
    CalcState state;
    FigureTracing tracing;
    tracing.Arm();
    ASSERT_TRUE(tracing.TraceAt(view, int(figure.seedX * scale), int(figure.seedY * scale), table, nullptr));
    EXPECT_FALSE(tracing.armed());
    EXPECT_EQ(table.workState, WS_MODIFIED);
    EXPECT_GT(TurnOf(table), 0);
    // The calculation takes the rows as they stand: no arc of 180 degrees
    // or more, no other refusal.
    ASSERT_TRUE(RunCalculation(table, state, scale, nullptr));
    EXPECT_TRUE(boxes.calls.empty());

    const figpic::Properties want = figpic::PropertiesOf(figure.rows);
    const ResultValues& got = state.results.source;
    EXPECT_LT(100 * std::abs(got.A - want.area) / want.area, limits.areaPercent);
    EXPECT_LT(std::hypot(got.xC - want.xC, got.yC - want.yC), limits.centroid);
    EXPECT_LT(100 * std::abs(got.IyMax - want.iMax) / want.iMax, limits.momentPercent);
    EXPECT_LT(100 * std::abs(got.IzMin - want.iMin) / want.iMin, limits.momentPercent);
    if (damage == Damage::None) {
        const trace::TraceResult pieces = TraceViewImage(view, int(figure.seedX * scale), int(figure.seedY * scale));
        EXPECT_EQ(pieces.lines, figure.lines);
        EXPECT_EQ(pieces.arcs, figure.arcs);
    }
}

}  // namespace

TEST(FigureTrace, CleanPicturesGiveTheFiguresLinesArcsAndProperties) {
    for (const figpic::Figure& figure : figpic::Figures())
        ExpectTracedAndCalculated(figure, Damage::None, 1.0, {0.01, 0.02, 0.05});
}

TEST(FigureTrace, BlurredNoisyJpegPicturesStayWithinTheirBounds) {
    for (const figpic::Figure& figure : figpic::Figures())
        ExpectTracedAndCalculated(figure, Damage::BlurNoiseJpeg, 1.0, {0.05, 0.1, 0.2});
}

TEST(FigureTrace, AtFourHundredPercentTheRowsAreInDisplayDots) {
    ExpectTracedAndCalculated(figpic::Figures()[1], Damage::None, 4.0, {0.01, 0.02, 0.05});
}

TEST(FigureTrace, TableRowsAreReplacedOnlyAfterYes) {
    const figpic::Figure disc = figpic::Figures()[2];
    const CViewImage view = ViewOf(figpic::Render(disc.rows, Damage::None), figpic::WIDTH, figpic::HEIGHT, 1.0);
    platform::MessageBoxRecorder boxes;
    SampleTable table;
    table.AddPoint(10, 20);
    table.workState = WS_CALCULATED;
    FigureTracing tracing;
    boxes.Answer(platform::IDNO);
    EXPECT_FALSE(tracing.TraceAt(view, 240, 180, table, nullptr));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.Last().text, "サンプリングデータがあります。\nトレース結果で置き換えますか？");
    EXPECT_EQ(table.count, 1);
    EXPECT_EQ(table.workState, WS_CALCULATED);

    EXPECT_TRUE(tracing.TraceAt(view, 240, 180, table, nullptr));
    EXPECT_EQ(table.count, 6);
    // Three arcs from the top: type 2, middle point, next start...
    EXPECT_EQ(table.rows[0].type, 2);
    EXPECT_EQ(table.rows[1].type, 1);
    EXPECT_EQ(std::string(table.rows[0].xText).size(), 8u);
    EXPECT_EQ(table.rows[0].x, 240);  // the whole dots the text begins with
}

TEST(FigureTrace, NoFigureOnAnEmptyPictureAndTheEdgeBoundsAFigureTouchingIt) {
    platform::MessageBoxRecorder boxes;
    SampleTable table;
    table.AddPoint(10, 20);
    FigureTracing tracing;
    const std::vector<std::uint8_t> empty(std::size_t(200) * 100 * 3, 215);
    EXPECT_FALSE(tracing.TraceAt(ViewOf(empty, 200, 100, 1.0), 50, 50, table, nullptr));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.Last().text, "クリック位置に図形が見つかりません");
    EXPECT_EQ(boxes.Last().title, "確認");
    EXPECT_EQ(table.count, 1);
    EXPECT_FALSE(tracing.TraceAt(ViewOf(empty, 200, 100, 1.0), -5, 50, table, nullptr));

    // A plate cut off by the picture's left edge.
    const std::vector<trace::TraceRow> plate = {{1, 0, 60.3}, {1, 150.4, 60.3}, {1, 150.4, 250.7}, {1, 0, 250.7}};
    const trace::TraceResult cut =
        trace::TraceFigure(figpic::Render(plate, Damage::None).data(), figpic::WIDTH, figpic::HEIGHT, 50, 100, 1.0, 200);
    ASSERT_EQ(cut.status, trace::TraceStatus::Traced);
    EXPECT_EQ(cut.lines, 4);
    EXPECT_LT(std::abs(figpic::PropertiesOf(cut.rows).area / figpic::PropertiesOf(plate).area - 1), 1e-4);
}
