// One click traces the figure: pictures with known outlines traced from a
// seed dot, the rows stored in the sample table and calculated as the edit
// window calculates them.
#include <gtest/gtest.h>

#include "data/calc_driver.h"
#include "data/traced_rows.h"
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

// Twice the signed area of the first loop's polygon: positive when
// clockwise on the screen.
double TurnOf(const SampleTable& table) {
    int n = 0;
    while (n < table.count && table.rows[n].type != kLoopBreakType)
        ++n;
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const SamplePoint& a = table.rows[i];
        const SamplePoint& b = table.rows[(i + 1) % n];
        sum += double(a.x) * b.y - double(b.x) * a.y;
    }
    return sum;
}

struct Limits {
    double areaPercent, centroid, momentPercent;
};

// The area's error in percent.
double ExpectTracedAndCalculated(const figpic::Figure& figure, Damage damage, double scale, Limits limits,
                                 unsigned seed = 1) {
    const char* const damages[] = {", clean", ", blurred, noisy, JPEG", ", uneven light", ", grain",
                                   ", blurred, noisy, JPEG 70"};
    SCOPED_TRACE(figure.name + damages[int(damage)] + ", seed " + std::to_string(seed));
    platform::MessageBoxRecorder boxes;
    const CViewImage view = ViewOf(figpic::Render(figure.rows, damage, figpic::WIDTH, figpic::HEIGHT, seed),
                                   figpic::WIDTH, figpic::HEIGHT, scale);
    SampleTable table;
    CalcState state;
    FigureTracing tracing;
    tracing.Arm();
    const bool traced =
        tracing.TraceAt(view, int(figure.seedX * scale), int(figure.seedY * scale), table, nullptr);
    EXPECT_TRUE(traced);
    if (!traced) return 100;
    EXPECT_FALSE(tracing.armed());
    EXPECT_EQ(table.workState, WS_MODIFIED);
    EXPECT_GT(TurnOf(table), 0);
    // The calculation takes the rows as they stand: no arc of 180 degrees
    // or more, no other refusal.
    const bool calculated = RunCalculation(table, state, scale, nullptr);
    EXPECT_TRUE(calculated);
    if (!calculated) return 100;
    EXPECT_TRUE(boxes.calls.empty());

    const figpic::Properties want = figpic::PropertiesOf(figure.rows);
    const ResultValues& got = state.results.source;
    EXPECT_LT(100 * std::abs(got.A - want.area) / want.area, limits.areaPercent);
    EXPECT_LT(std::hypot(got.xC - want.xC, got.yC - want.yC), limits.centroid);
    EXPECT_LT(100 * std::abs(got.IyMax - want.iMax) / want.iMax, limits.momentPercent);
    EXPECT_LT(100 * std::abs(got.IzMin - want.iMin) / want.iMin, limits.momentPercent);
    if (damage != Damage::BlurNoiseJpeg) {
        const trace::TraceResult pieces =
            TraceViewImage(view, int(figure.seedX * scale), int(figure.seedY * scale));
        EXPECT_EQ(pieces.loops, figure.loops);
        EXPECT_EQ(pieces.lines, figure.lines);
        EXPECT_EQ(pieces.arcs, figure.arcs);
    }
    return 100 * std::abs(got.A - want.area) / want.area;
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

// Low contrast (40 levels), noise and JPEG at quality 70, under light falling
// off by 85 levels across the picture and on a grained background: the
// figures keep their pieces and their properties. The grain under the few
// dots each edge sample reads moves a figure's area by about 0.1 % one way
// or the other from one grain to the next: within 0.1 % on the whole.
TEST(FigureTrace, PhotoLikePicturesUnderUnevenLightAndOnGrainStayWithinTheirBounds) {
    for (const figpic::Figure& figure : figpic::Figures())
        ExpectTracedAndCalculated(figure, Damage::Gradient, 1.0, {0.1, 0.2, 0.5});
    double sum = 0;
    int pictures = 0;
    for (unsigned seed = 1; seed <= 6; ++seed)
        for (const figpic::Figure& figure : figpic::Figures()) {
            sum += ExpectTracedAndCalculated(figure, Damage::Grain, 1.0, {0.3, 0.2, 0.5}, seed);
            ++pictures;
        }
    EXPECT_LT(sum / pictures, 0.1);
}

TEST(FigureTrace, AtFourHundredPercentTheRowsAreInDisplayDots) {
    ExpectTracedAndCalculated(figpic::Figures()[1], Damage::None, 4.0, {0.01, 0.02, 0.05});
}

TEST(FigureTrace, TableRowsAreKeptAfterCancelReplacedAfterYesAndAddedToAfterNoWhenTheyFit) {
    const figpic::Figure disc = figpic::Figures()[2];
    const CViewImage view =
        ViewOf(figpic::Render(disc.rows, Damage::None), figpic::WIDTH, figpic::HEIGHT, 1.0);
    platform::MessageBoxRecorder boxes;
    SampleTable table;
    table.AddPoint(10, 20);
    table.workState = WS_CALCULATED;
    FigureTracing tracing;
    boxes.Answer(platform::IDCANCEL);
    EXPECT_FALSE(tracing.TraceAt(view, 240, 180, table, nullptr));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.Last().text,
              "サンプリングデータがあります。\nトレース結果で置き換えますか？\n"
              "「いいえ」で穴・部品として後ろに追加します。");
    EXPECT_EQ(boxes.Last().style, unsigned(platform::MB_YESNOCANCEL));
    EXPECT_EQ(table.count, 1);
    EXPECT_EQ(table.workState, WS_CALCULATED);

    // Yes: the disc alone.
    boxes.Answer(platform::IDYES);
    EXPECT_TRUE(tracing.TraceAt(view, 240, 180, table, nullptr));
    EXPECT_EQ(table.count, 6);
    // Three arcs from the top: type 2, middle point, next start...
    EXPECT_EQ(table.rows[0].type, 2);
    EXPECT_EQ(table.rows[1].type, 1);
    EXPECT_EQ(std::string(table.rows[0].xText).size(), 8u);
    EXPECT_EQ(table.rows[0].x, 240);  // the whole dots the text begins with

    // No: loops that would run past the 200 rows are refused whole, with the
    // row limit's message; a last row that is a break already gets no other.
    while (table.count < 194)
        table.AddPoint(table.count, 5);
    boxes.Answer(platform::IDNO);
    EXPECT_FALSE(tracing.TraceAt(view, 240, 180, table, nullptr));
    ASSERT_EQ(boxes.calls.size(), 4u);
    EXPECT_EQ(boxes.Last().text, "図形の輪郭が複雑すぎて、サンプリングデータに入りきりません");
    EXPECT_EQ(table.count, 194);
    table.count = 193;
    ASSERT_TRUE(table.AddLoopBreak());
    boxes.Answer(platform::IDNO);
    EXPECT_TRUE(tracing.TraceAt(view, 240, 180, table, nullptr));
    EXPECT_EQ(table.count, 200);
    EXPECT_EQ(table.rows[193].type, kLoopBreakType);
    EXPECT_EQ(table.rows[194].type, 2);
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
    const std::vector<trace::TraceRow> plate = {
        {1, 0, 60.3}, {1, 150.4, 60.3}, {1, 150.4, 250.7}, {1, 0, 250.7}};
    const trace::TraceResult cut = trace::TraceFigure(figpic::Render(plate, Damage::None).data(),
                                                      figpic::WIDTH, figpic::HEIGHT, 50, 100, 200);
    ASSERT_EQ(cut.status, trace::TraceStatus::Traced);
    EXPECT_EQ(cut.lines, 4);
    EXPECT_LT(std::abs(figpic::PropertiesOf(cut.rows).area / figpic::PropertiesOf(plate).area - 1), 1e-4);
}

namespace {

// A bw x bh picture of the background level with the small picture's dots
// copied in at (left, top).
std::vector<std::uint8_t> PastedInto(int bw, int bh, const std::vector<std::uint8_t>& small, int sw, int sh,
                                     int left, int top) {
    std::vector<std::uint8_t> big(std::size_t(bw) * bh * 3, std::uint8_t(figpic::BACKGROUND_LEVEL));
    for (int y = 0; y < sh; ++y)
        std::copy_n(small.begin() + std::ptrdiff_t(y) * sw * 3, sw * 3,
                    big.begin() + (std::ptrdiff_t(top + y) * bw + left) * 3);
    return big;
}

bool WindowHolds(const trace::TraceWindow& w, double x0, double y0, double x1, double y1) {
    return w.left <= x0 && w.top <= y0 && w.left + w.width >= x1 && w.top + w.height >= y1;
}

}  // namespace

TEST(FigureTrace, AFigureInALargePictureIsTracedAsAloneFromAWindowAroundIt) {
    constexpr int width = 4000, height = 3000, left = 2711, top = 1933;
    const figpic::Figure plate = figpic::Figures()[1];
    const std::vector<std::uint8_t> small = figpic::Render(plate.rows, Damage::BlurNoiseJpeg);
    const trace::TraceResult alone =
        trace::TraceFigure(small.data(), figpic::WIDTH, figpic::HEIGHT, plate.seedX, plate.seedY, 200);
    const std::vector<std::uint8_t> big =
        PastedInto(width, height, small, figpic::WIDTH, figpic::HEIGHT, left, top);
    const trace::TraceResult found =
        trace::TraceFigure(big.data(), width, height, left + plate.seedX, top + plate.seedY, 200);
    ASSERT_EQ(found.status, trace::TraceStatus::Traced);
    EXPECT_EQ(found.lines, alone.lines);
    EXPECT_EQ(found.arcs, alone.arcs);
    ASSERT_EQ(found.rows.size(), alone.rows.size());
    for (std::size_t i = 0; i < found.rows.size(); ++i) {
        EXPECT_EQ(found.rows[i].type, alone.rows[i].type);
        EXPECT_NEAR(found.rows[i].x, alone.rows[i].x + left, 1e-6);
        EXPECT_NEAR(found.rows[i].y, alone.rows[i].y + top, 1e-6);
    }
    // The work buffers cover the plate (260 x 160 dots) and little more.
    EXPECT_TRUE(WindowHolds(found.window, left + 110, top + 100, left + 371, top + 261));
    EXPECT_LE(std::int64_t(found.window.width) * found.window.height, 1024 * 512);

    // A long bar seen from near one end: the window grows along it, one
    // side at a time, and the outline is the whole bar's.
    std::vector<std::uint8_t> bar(std::size_t(width) * height * 3, std::uint8_t(figpic::BACKGROUND_LEVEL));
    for (int y = 1500; y < 1540; ++y)
        std::fill_n(bar.begin() + (std::ptrdiff_t(y) * width + 100) * 3, 3800 * 3,
                    std::uint8_t(figpic::FIGURE_LEVEL));
    const trace::TraceResult barTrace = trace::TraceFigure(bar.data(), width, height, 150, 1520, 200);
    ASSERT_EQ(barTrace.status, trace::TraceStatus::Traced);
    EXPECT_EQ(barTrace.lines, 4);
    EXPECT_NEAR(figpic::PropertiesOf(barTrace.rows).area, 3800.0 * 40, 0.5);
    EXPECT_TRUE(WindowHolds(barTrace.window, 100, 1500, 3900, 1540));
    EXPECT_LE(barTrace.window.height, 256);
}

TEST(FigureTrace, TheBackgroundIsNoFigureButFiguresCutByTheEdgesAreTraced) {
    // A click beside the plate: its region reaches all four edges.
    const figpic::Figure plate = figpic::Figures()[1];
    const CViewImage view =
        ViewOf(figpic::Render(plate.rows, Damage::None), figpic::WIDTH, figpic::HEIGHT, 1.0);
    platform::MessageBoxRecorder boxes;
    SampleTable table;
    table.AddPoint(10, 20);
    FigureTracing tracing;
    EXPECT_FALSE(tracing.TraceAt(view, 20, 300, table, nullptr));
    ASSERT_EQ(boxes.calls.size(), 1u);
    EXPECT_EQ(boxes.Last().text, "クリック位置に図形が見つかりません");
    EXPECT_EQ(boxes.Last().title, "確認");
    EXPECT_EQ(table.count, 1);

    // Cut by two edges (a corner of the picture), and by three (a band
    // across the top): still figures, bounded by the picture's edge.
    const std::vector<trace::TraceRow> corner = {{1, 0, 0}, {1, 150.4, 0}, {1, 150.4, 120.7}, {1, 0, 120.7}};
    const std::vector<trace::TraceRow> band = {{1, 0, 0}, {1, 480, 0}, {1, 480, 100.6}, {1, 0, 100.6}};
    for (const auto& rows : {corner, band}) {
        const trace::TraceResult cut = trace::TraceFigure(figpic::Render(rows, Damage::None).data(),
                                                          figpic::WIDTH, figpic::HEIGHT, 50, 50, 200);
        ASSERT_EQ(cut.status, trace::TraceStatus::Traced);
        EXPECT_EQ(cut.lines, 4);
        EXPECT_LT(std::abs(figpic::PropertiesOf(cut.rows).area / figpic::PropertiesOf(rows).area - 1), 1e-4);
    }
}

// A plate of 200 x 160 dots with a hole of 60 x 40 dots, one of 12 x 12, and
// one of 3 x 3, a speck left to the figure.
TEST(FigureTrace, AClickInAHoleTracesNothingAndSaysSoAndSpecksAreLeftToTheFigure) {
    const std::vector<std::uint8_t> rgb = figpic::Render(
        figpic::Joined(
            {figpic::RoundedRectRows(140, 100, 340, 260, 0), figpic::RoundedRectRows(210, 160, 270, 200, 0),
             figpic::RoundedRectRows(280, 150, 292, 162, 0), figpic::RoundedRectRows(180, 150, 183, 153, 0)}),
        Damage::None);
    const CViewImage view = ViewOf(rgb, figpic::WIDTH, figpic::HEIGHT, 1.0);
    platform::MessageBoxRecorder recorder;
    SampleTable table;
    FigureTracing tracing;
    EXPECT_FALSE(tracing.TraceAt(view, 240, 180, table, nullptr));
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(recorder.Last().text, "クリック位置は図形の穴の中です。図形の内側をクリックしてください");
    EXPECT_EQ(table.count, 0);
    // In the plate itself: its outer outline, then after a break each hole's.
    EXPECT_TRUE(tracing.TraceAt(view, 160, 120, table, nullptr));
    ASSERT_EQ(table.count, 4 + 1 + 4 + 1 + 4);
    EXPECT_EQ(table.rows[4].type, kLoopBreakType);
    EXPECT_EQ(recorder.calls.size(), 1u);
    const trace::TraceResult found = TraceViewImage(view, 160, 120);
    EXPECT_EQ(found.lines, 12);
    EXPECT_NEAR(figpic::PropertiesOf(found.rows).area, 200.0 * 160 - 2400 - 144, 0.5);
    // Too many rows with the holes: refused, the loops left whole.
    EXPECT_EQ(trace::TraceFigure(rgb.data(), figpic::WIDTH, figpic::HEIGHT, 160, 120, 8).status,
              trace::TraceStatus::TooManyRows);
}

// The verdict the window and the command-line tool act on.
TEST(FigureTrace, TheVerdictRefusesAsksOrStores) {
    trace::TraceResult result;
    SampleTable table;
    EXPECT_EQ(JudgeTrace(result, table).step, TraceStep::Refuse);
    result.status = trace::TraceStatus::TooManyRows;
    const TraceVerdict tooMany = JudgeTrace(result, table);
    EXPECT_EQ(tooMany.step, TraceStep::Refuse);
    EXPECT_EQ(tooMany.notice.text, "図形の輪郭が複雑すぎて、サンプリングデータに入りきりません");
    EXPECT_EQ(tooMany.notice.title, "確認");
    result.status = trace::TraceStatus::Unreliable;
    result.fault = trace::TraceFault::Geometry;
    result.geometry = {osmeca::OutlineFault::PointOutside, 0, 4};
    const TraceVerdict unsure = JudgeTrace(result, table);
    EXPECT_EQ(unsure.step, TraceStep::Refuse);
    EXPECT_EQ(unsure.notice.text, "図形の輪郭を確定できません\n5 行目の点が図形の範囲の外にあります");
    result.fault = trace::TraceFault::AreaOffRegion;
    EXPECT_EQ(JudgeTrace(result, table).notice.text,
              "図形の輪郭を確定できません\n輪郭の面積が図形の面積と合いません");
    result.status = trace::TraceStatus::Traced;
    EXPECT_EQ(JudgeTrace(result, table).step, TraceStep::Store);
    EXPECT_TRUE(JudgeTrace(result, table).notice.empty());
    table.AddPoint(1, 2);
    const TraceVerdict ask = JudgeTrace(result, table);
    EXPECT_EQ(ask.step, TraceStep::Ask);
    EXPECT_EQ(ask.notice.style, unsigned(platform::MB_YESNOCANCEL));
}

TEST(FigureTrace, OneClickInAHollowSectionTracesItsHolesToo) {
    for (const figpic::Figure& figure : figpic::HollowFigures())
        ExpectTracedAndCalculated(figure, Damage::None, 1.0, {0.02, 0.05, 0.05});
}

// Blurred, noisy, JPEG at quality 85 and 70: thin walls put many edge dots
// against little area, so a level a little off or a rounded corner taken
// for a line would show. Every picture is traced (its pieces counted at
// quality 70) and calculated within 0.1 % and 0.2 dot.
TEST(FigureTrace, BlurredNoisyJpegHollowSectionsKeepTheirLoopsWithinATenthOfAPercent) {
    for (const figpic::Figure& figure : figpic::HollowFigures())
        for (unsigned seed = 1; seed <= 4; ++seed)
            for (Damage damage : {Damage::BlurNoiseJpeg, Damage::BlurNoiseJpeg70})
                ExpectTracedAndCalculated(figure, damage, 1.0, {0.1, 0.2, 0.2}, seed);
}
