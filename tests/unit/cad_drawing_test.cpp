// Drawings to outlines: the DXF import's refusals, layers and units through
// the real calculation. Drawings of every kind, the export's entities, the
// round trip and outside readers: tests/cad.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "cad/dxf_import.h"
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

// The rows stored in a table and calculated as the user would.
ResultValues Calculated(const std::vector<cad::Row>& rows) {
    SampleTable table;
    CalcState state;
    StoreCadRows(table, rows);
    Notice notice;
    EXPECT_TRUE(Calculate(table, state, 1.0, &notice)) << notice.text;
    return state.results.source;
}

std::vector<cad::Row> Imported(const std::string& text, const std::string& layer = {}) {
    const cad::DxfImport import = cad::ImportDxf(text, layer, SAMPLE_CAPACITY);
    EXPECT_EQ(import.status, cad::ImportStatus::Loaded) << import.message;
    return cad::ImportedRows(import, cad::LocalPlacement(import.box, 1));
}

TEST(DxfImport, RefusalsNameTheEntityAndItsHandle) {
    Dxf many;  // a circle cut in 101 arcs needs 202 rows
    for (int i = 0; i < 101; ++i)
        many.Arc(0, 0, 10, i * 360.0 / 101, (i + 1) * 360.0 / 101);
    const struct {
        std::string text;
        cad::ImportStatus status;
        const char* named;
    } cases[] = {
        {Dxf().Pairs({"0", "ELLIPSE", "8", "0"}).Text(), cad::ImportStatus::Refused, "ELLIPSE"},
        // Three sides of a square: the chain stops at the last line met.
        {Dxf().Line(0, 0, 10, 0, "B1").Line(10, 0, 10, 10, "B2").Line(10, 10, 0, 10, "B3").Text(),
         cad::ImportStatus::Refused, "LINE (ハンドル B3)"},
        // Two circles overlapping; a bow tie crossing itself.
        {Dxf().Circle(0, 0, 10).Circle(15, 0, 10).Text(), cad::ImportStatus::Refused, "CIRCLE"},
        {Dxf()
             .Line(0, 0, 10, 10, "C1")
             .Line(10, 10, 10, 0, "C2")
             .Line(10, 0, 0, 10, "C3")
             .Line(0, 10, 0, 0, "C4")
             .Text(),
         cad::ImportStatus::Refused, "ハンドル C"},
        {"garbage", cad::ImportStatus::Refused, ""},
        {many.Text(), cad::ImportStatus::TooManyRows, "これ以上データを追加できません"},
    };
    for (const auto& c : cases) {
        const cad::DxfImport import = cad::ImportDxf(c.text, {}, SAMPLE_CAPACITY);
        EXPECT_EQ(import.status, c.status) << c.named;
        EXPECT_NE(import.message.find(c.named), std::string::npos) << import.message;
    }
}

TEST(DxfImport, LayerPicksOneFigureAndTheAxesLayerIsLeftOut) {
    const std::string text = Dxf()
                                 .Circle(0, 0, 10, "Small")
                                 .Circle(100, 0, 20, "BIG")
                                 .Pairs({"0", "SPLINE", "8", "other"})
                                 .Line(-50, 0, 50, 0, "X", "AXES")
                                 .Text();
    EXPECT_NEAR(Calculated(Imported(text, "big")).A, kPi * 400, 1e-7 * kPi * 400);
    EXPECT_NEAR(Calculated(Imported(text, "SMALL")).A, kPi * 100, 1e-7 * kPi * 100);
    EXPECT_EQ(cad::ImportDxf(text, {}, SAMPLE_CAPACITY).status, cad::ImportStatus::Refused);  // the SPLINE
    EXPECT_EQ(cad::ImportDxf(text, "none", SAMPLE_CAPACITY).status, cad::ImportStatus::Refused);
    // Centimetres named in the header.
    const std::string header = "0\nSECTION\n2\nHEADER\n9\n$INSUNITS\n70\n5\n0\nENDSEC\n";
    EXPECT_EQ(cad::ImportDxf(header + text, "big", SAMPLE_CAPACITY).mmPerUnit, 10);
}

}  // namespace
