// Drawings to outlines and back: DXF import (chaining, bulges, circles,
// holes, refusals, layers), the export's entities and the round trip
// rows -> DXF -> rows through the real calculation.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "cad/dxf_import.h"
#include "cad/dxf_writer.h"
#include "cad/svg_writer.h"
#include "data/cad_table.h"
#include "data/calc_driver.h"

namespace {

constexpr double kPi = std::numbers::pi;

// A DXF text written pair by pair.
class Dxf {
public:
    Dxf() { Pairs({"0", "SECTION", "2", "ENTITIES"}); }
    Dxf& Pairs(const std::vector<std::string>& pairs) {
        for (const std::string& p : pairs)
            text_ += p + "\n";
        return *this;
    }
    Dxf& Line(double x1, double y1, double x2, double y2, const std::string& handle = "A1",
              const std::string& layer = "0") {
        return Pairs(
            {"0", "LINE", "5", handle, "8", layer, "10", N(x1), "20", N(y1), "11", N(x2), "21", N(y2)});
    }
    Dxf& Arc(double cx, double cy, double r, double from, double to, const std::string& layer = "0") {
        return Pairs(
            {"0", "ARC", "8", layer, "10", N(cx), "20", N(cy), "40", N(r), "50", N(from), "51", N(to)});
    }
    Dxf& Circle(double cx, double cy, double r, const std::string& layer = "0") {
        return Pairs({"0", "CIRCLE", "8", layer, "10", N(cx), "20", N(cy), "40", N(r)});
    }
    std::string Text() const { return text_ + "0\nENDSEC\n0\nEOF\n"; }

    static std::string N(double v) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.17g", v);
        return buffer;
    }

private:
    std::string text_;
};

// The area the rows enclose, worked out apart from the program: Green's
// theorem along every loop (lines and three-point arcs), the loop's area
// taken positive; the largest loop holds the others, which are holes.
double IndependentArea(const std::vector<cad::Row>& rows) {
    std::vector<double> loops;
    std::size_t begin = 0;
    while (begin < rows.size()) {
        std::size_t end = begin;
        while (end < rows.size() && rows[end].type != 9)
            ++end;
        const std::size_t n = end - begin;
        auto at = [&](std::size_t i) { return rows[begin + i % n]; };
        double twice = 0;
        for (std::size_t i = 0; i < n;) {
            const cad::Row a = at(i);
            if (a.type == 2) {
                const cad::Row m = at(i + 1), b = at(i + 2);
                // The circle through a, m, b.
                const double d = 2 * (a.x * (m.y - b.y) + m.x * (b.y - a.y) + b.x * (a.y - m.y));
                const double s1 = a.x * a.x + a.y * a.y, s2 = m.x * m.x + m.y * m.y,
                             s3 = b.x * b.x + b.y * b.y;
                const double cx = (s1 * (m.y - b.y) + s2 * (b.y - a.y) + s3 * (a.y - m.y)) / d;
                const double cy = (s1 * (b.x - m.x) + s2 * (a.x - b.x) + s3 * (m.x - a.x)) / d;
                const double r = std::hypot(a.x - cx, a.y - cy);
                auto angle = [&](cad::Row p) { return std::atan2(p.y - cy, p.x - cx); };
                double sweep = std::remainder(angle(b) - angle(a), 2 * kPi);
                const double viaM = std::remainder(angle(m) - angle(a), 2 * kPi);
                if ((sweep > 0) != (viaM > 0) || std::abs(viaM) > std::abs(sweep))
                    sweep += sweep > 0 ? -2 * kPi : 2 * kPi;
                // x dy - y dx along the arc.
                twice += r * r * sweep + r * cx * (std::sin(angle(a) + sweep) - std::sin(angle(a))) -
                         r * cy * (std::cos(angle(a) + sweep) - std::cos(angle(a)));
                i += 2;
            } else {
                const cad::Row b = at(i + 1);
                twice += a.x * b.y - b.x * a.y;
                i += 1;
            }
        }
        loops.push_back(std::abs(twice) / 2);
        begin = end + 1;
    }
    std::sort(loops.begin(), loops.end());
    double area = loops.empty() ? 0 : loops.back();
    for (std::size_t i = 0; i + 1 < loops.size(); ++i)
        area -= loops[i];
    return area;
}

int Count(const std::vector<cad::Row>& rows, int type) {
    return int(std::count_if(rows.begin(), rows.end(), [&](const cad::Row& r) { return r.type == type; }));
}

std::vector<cad::Row> Imported(const std::string& text, const std::string& layer = {}) {
    const cad::DxfImport import = cad::ImportDxf(text, layer, SAMPLE_CAPACITY);
    EXPECT_EQ(import.status, cad::ImportStatus::Loaded) << import.message;
    return cad::ImportedRows(import, cad::LocalPlacement(import.box, 1));
}

// A 120 x 80 plate with corners rounded r = 10, drawn as loose lines and
// arcs, with a hole of radius 15; area known exactly.
Dxf PlateWithHole(unsigned seed) {
    struct Piece {
        bool arc;
        double a, b, c, d, e;
    };
    std::vector<Piece> pieces = {
        {false, 10, 0, 110, 0, 0},   {false, 120, 10, 120, 70, 0},  {false, 110, 80, 10, 80, 0},
        {false, 0, 70, 0, 10, 0},    {true, 110, 10, 10, 270, 360}, {true, 110, 70, 10, 0, 90},
        {true, 10, 70, 10, 90, 180}, {true, 10, 10, 10, 180, 270},
    };
    std::mt19937 random(seed);
    std::shuffle(pieces.begin(), pieces.end(), random);
    Dxf dxf;
    for (const Piece& p : pieces) {
        if (p.arc)
            dxf.Arc(p.a, p.b, p.c, p.d, p.e);
        else if (random() % 2)
            dxf.Line(p.c, p.d, p.a, p.b);  // reversed
        else
            dxf.Line(p.a, p.b, p.c, p.d);
    }
    dxf.Circle(40, 40, 15);
    return dxf;
}

constexpr double kPlateArea = 120 * 80 - (4 - kPi) * 100 - kPi * 225;

TEST(DxfImport, LooseLinesAndArcsInAnyOrderBecomeLoopsWithTheirHole) {
    for (unsigned seed : {1u, 2u, 3u}) {
        const std::vector<cad::Row> rows = Imported(PlateWithHole(seed).Text());
        EXPECT_EQ(Count(rows, 9), 1);
        // 4 lines and 4 quarter arcs; the circle as 4 quarter arcs.
        EXPECT_EQ(Count(rows, 2), 8);
        EXPECT_EQ(rows.size(), 4u + 4 * 2 + 1 + 4 * 2);
        EXPECT_NEAR(IndependentArea(rows), kPlateArea, 1e-6 * kPlateArea);
    }
}

TEST(DxfImport, PlateWithHoleCalculatesWithItsHole) {
    SampleTable table;
    CalcState state;
    StoreCadRows(table, Imported(PlateWithHole(4).Text()));
    Notice notice;
    ASSERT_TRUE(Calculate(table, state, 1.0, &notice)) << notice.text;
    EXPECT_NEAR(state.results.source.A, kPlateArea, 1e-7 * kPlateArea);
    const double perimeter = 2 * 100 + 2 * 60 + 2 * kPi * 10 + 2 * kPi * 15;
    EXPECT_NEAR(state.results.source.L, perimeter, 1e-7 * perimeter);
}

TEST(DxfImport, ClosedPolylinesWithBulgesAndUnitsFromTheHeader) {
    // A 40 x 20 stadium: two straight sides and two half turns (bulge 1),
    // in centimetres, and an old-style POLYLINE hole with a bulged side.
    const std::string text =
        Dxf()
            .Pairs({"0",  "LWPOLYLINE", "5",  "2F", "8",  "0",  "90", "4",  "70", "1",
                    "10", "0",          "20", "0",  "10", "40", "20", "0",  "42", "1",
                    "10", "40",         "20", "20", "10", "0",  "20", "20", "42", "1"})
            .Pairs({"0",  "POLYLINE", "8",  "0",      "70", "1", "0",  "VERTEX", "10", "5",      "20", "5",
                    "0",  "VERTEX",   "10", "15",     "20", "5", "42", "-0.5",   "0",  "VERTEX", "10", "15",
                    "20", "15",       "0",  "VERTEX", "10", "5", "20", "15",     "0",  "SEQEND"})
            .Text();
    const std::string withUnits = "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n5\n0\nENDSEC\n" + text;
    const cad::DxfImport import = cad::ImportDxf(withUnits, {}, SAMPLE_CAPACITY);
    ASSERT_EQ(import.status, cad::ImportStatus::Loaded) << import.message;
    EXPECT_EQ(import.mmPerUnit, 10);
    const std::vector<cad::Row> rows = cad::ImportedRows(import, cad::LocalPlacement(import.box, 1));
    // The bulge -0.5 bends the side (sagitta 2.5) into the square hole.
    const double sweep = 4 * std::atan(0.5), chord = 10, r = chord / (2 * std::sin(sweep / 2));
    const double segment = r * r / 2 * (sweep - std::sin(sweep));
    EXPECT_NEAR(IndependentArea(rows), 40 * 20 + kPi * 100 - (100 - segment), 1e-6);
}

TEST(DxfImport, SingleLoopCalculatesAsTheDrawingSays) {
    // A half disc of radius 50 on a 100 x 30 rectangle: the calculation's
    // area and perimeter against the figure's.
    const std::string text =
        Dxf().Line(0, 0, 100, 0).Line(100, 0, 100, 30).Line(0, 30, 0, 0).Arc(50, 30, 50, 0, 180).Text();
    SampleTable table;
    CalcState state;
    StoreCadRows(table, Imported(text));
    Notice notice;
    ASSERT_TRUE(Calculate(table, state, 1.0, &notice)) << notice.text;
    // 8-character coordinates ("85.35534") hold the digits to about 1e-7.
    EXPECT_NEAR(state.results.source.A, 3000 + kPi * 1250, 1e-7 * 6927);
    EXPECT_NEAR(state.results.source.L, 160 + kPi * 50, 1e-7 * 317);
}

TEST(DxfImport, RefusalsNameTheEntityAndItsHandle) {
    const std::string spline = Dxf().Line(0, 0, 1, 0).Pairs({"0", "SPLINE", "5", "3C", "8", "0"}).Text();
    cad::DxfImport import = cad::ImportDxf(spline, {}, SAMPLE_CAPACITY);
    EXPECT_EQ(import.status, cad::ImportStatus::Refused);
    EXPECT_NE(import.message.find("SPLINE (ハンドル 3C)"), std::string::npos) << import.message;

    import = cad::ImportDxf(Dxf().Pairs({"0", "ELLIPSE", "8", "0"}).Text(), {}, SAMPLE_CAPACITY);
    EXPECT_NE(import.message.find("ELLIPSE"), std::string::npos);

    // Three sides of a square: the chain stops at the last line met.
    import = cad::ImportDxf(
        Dxf().Line(0, 0, 10, 0, "B1").Line(10, 0, 10, 10, "B2").Line(10, 10, 0, 10, "B3").Text(), {},
        SAMPLE_CAPACITY);
    EXPECT_EQ(import.status, cad::ImportStatus::Refused);
    EXPECT_NE(import.message.find("LINE (ハンドル B3)"), std::string::npos) << import.message;

    // Two circles overlapping; a bow tie crossing itself.
    import = cad::ImportDxf(Dxf().Circle(0, 0, 10).Circle(15, 0, 10).Text(), {}, SAMPLE_CAPACITY);
    EXPECT_EQ(import.status, cad::ImportStatus::Refused);
    EXPECT_NE(import.message.find("CIRCLE"), std::string::npos);
    import = cad::ImportDxf(Dxf()
                                .Line(0, 0, 10, 10, "C1")
                                .Line(10, 10, 10, 0, "C2")
                                .Line(10, 0, 0, 10, "C3")
                                .Line(0, 10, 0, 0, "C4")
                                .Text(),
                            {}, SAMPLE_CAPACITY);
    EXPECT_EQ(import.status, cad::ImportStatus::Refused);
    EXPECT_NE(import.message.find("ハンドル C"), std::string::npos) << import.message;

    // Nothing to read; a circle cut in 101 arcs needs 202 rows.
    EXPECT_EQ(cad::ImportDxf("garbage", {}, SAMPLE_CAPACITY).status, cad::ImportStatus::Refused);
    Dxf many;
    for (int i = 0; i < 101; ++i)
        many.Arc(0, 0, 10, i * 360.0 / 101, (i + 1) * 360.0 / 101);
    EXPECT_EQ(cad::ImportDxf(many.Text(), {}, SAMPLE_CAPACITY).status, cad::ImportStatus::TooManyRows);
}

TEST(DxfImport, LayerPicksOneFigureAndTheAxesLayerIsLeftOut) {
    const std::string text = Dxf()
                                 .Circle(0, 0, 10, "Small")
                                 .Circle(100, 0, 20, "BIG")
                                 .Pairs({"0", "SPLINE", "8", "other"})
                                 .Line(-50, 0, 50, 0, "X", "AXES")
                                 .Text();
    EXPECT_NEAR(IndependentArea(Imported(text, "big")), kPi * 400, 1e-6);
    EXPECT_NEAR(IndependentArea(Imported(text, "SMALL")), kPi * 100, 1e-6);
    EXPECT_EQ(cad::ImportDxf(text, {}, SAMPLE_CAPACITY).status, cad::ImportStatus::Refused);  // the SPLINE
    EXPECT_EQ(cad::ImportDxf(text, "none", SAMPLE_CAPACITY).status, cad::ImportStatus::Refused);
}

// Rows of a 300 x 200 plate with a rounded corner and a notch, as clicked.
SampleTable ClickedPlate() {
    SampleTable table;
    const std::vector<cad::Row> rows = {
        {1, 100, 100}, {1, 400, 100}, {2, 400, 250}, {1, 379, 303},
        {1, 325, 325}, {1, 200, 300}, {1, 100, 300},
    };
    StoreCadRows(table, rows);
    return table;
}

TEST(DxfRoundTrip, RowsToDxfToRowsKeepLinesArcsAndEveryResult) {
    SampleTable table = ClickedPlate();
    CalcState state;
    Notice notice;
    ASSERT_TRUE(Calculate(table, state, 1.0, &notice)) << notice.text;
    const std::string dxf = cad::DxfText(FigureOfTable(table, state, 0));
    EXPECT_NE(dxf.find("AC1009"), std::string::npos);
    EXPECT_NE(dxf.find("$INSUNITS\r\n70\r\n0\r\n"), std::string::npos);

    SampleTable back;
    CalcState again;
    const std::vector<cad::Row> rows = Imported(dxf);
    StoreCadRows(back, rows);
    ASSERT_TRUE(Calculate(back, again, 1.0, &notice)) << notice.text;
    EXPECT_EQ(Count(rows, 2), 1);
    EXPECT_EQ(rows.size(), 7u);
    const ResultValues &a = state.results.source, &b = again.results.source;
    for (const auto& [x, y] : {std::pair{a.A, b.A},
                               {a.L, b.L},
                               {a.xC, b.xC},
                               {a.yC, b.yC},
                               {a.IyMax, b.IyMax},
                               {a.IzMin, b.IzMin},
                               {a.theta, b.theta},
                               {a.B, b.B},
                               {a.H, b.H}})
        EXPECT_NEAR(y, x, std::max(1e-9 * std::abs(x), 1e-12));
}

TEST(DxfExport, LayersPointAxesAndMillimetres) {
    std::vector<cad::Row> rows = {{1, 0, 0},   {1, 100, 0}, {1, 100, 100}, {1, 0, 100}, {9, 0, 0},
                                  {2, 30, 50}, {1, 50, 30}, {2, 70, 50},   {1, 50, 70}};
    cad::CadFigure figure = cad::FigureFromRows(rows, 2.0, 0.5);  // 2 x magnified, 0.5 mm a dot
    cad::SetAxes(figure, {50, 50}, 30, 2.0, 0.5);
    const std::string dxf = cad::DxfText(figure);
    EXPECT_NE(dxf.find("$INSUNITS\r\n70\r\n4\r\n"), std::string::npos);
    auto count = [&](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = dxf.find(what); at != std::string::npos; at = dxf.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("LINE\r\n8\r\nOUTLINE"), 4u);
    EXPECT_EQ(count("ARC\r\n8\r\nHOLES"), 2u);
    EXPECT_EQ(count("LINE\r\n8\r\nAXES"), 2u);
    EXPECT_EQ(count("POINT\r\n8\r\nAXES\r\n10\r\n12.5\r\n20\r\n-12.5"), 1u);
    // y points up: the square's far corner is (25, -25) mm.
    EXPECT_NE(dxf.find("11\r\n25\r\n21\r\n-25"), std::string::npos);

    const std::string svg = cad::SvgText(figure, {});
    EXPECT_NE(svg.find("fill-rule=\"evenodd\""), std::string::npos);
    EXPECT_NE(svg.find("mm\" height="), std::string::npos);
    // The hole's two half turns: radius 5 mm.
    const std::size_t arc = svg.find(" A");
    ASSERT_NE(arc, std::string::npos);
    EXPECT_NEAR(std::stod(svg.substr(arc + 2)), 5, 1e-12);
}

}  // namespace
