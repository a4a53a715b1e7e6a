#include "cad/dxf_writer.h"

#include <cmath>
#include <numbers>

#include "cad/number_text.h"

namespace cad {

namespace {

constexpr long kUnitless = 0;
constexpr long kMillimetres = 4;
// Colour numbers of the layers: white, blue, magenta.
constexpr int kOutlineColour = 7;
constexpr int kHolesColour = 5;
constexpr int kAxesColour = 6;

class DxfOut {
public:
    void Pair(int code, const std::string& value) { text_ += std::to_string(code) + "\r\n" + value + "\r\n"; }
    void Pair(int code, long value) { Pair(code, std::to_string(value)); }
    void Number(int code, double value) { Pair(code, NumberText(value)); }
    void At(int code, Point p) {
        Number(code, p.x);
        Number(code + 10, p.y);
        Number(code + 20, 0);
    }
    void Entity(const char* type, const char* layer) {
        Pair(0, type);
        Pair(8, layer);
    }
    void Section(const char* name) {
        Pair(0, "SECTION");
        Pair(2, name);
    }
    void EndSection() { Pair(0, "ENDSEC"); }
    std::string Text() { return text_; }

private:
    std::string text_;
};

double Degrees(double radians) {
    double d = std::fmod(radians * 180 / std::numbers::pi, 360.0);
    return d < 0 ? d + 360 : d;
}

void Header(DxfOut& out, const CadFigure& figure) {
    out.Section("HEADER");
    out.Pair(9, "$ACADVER");
    out.Pair(1, "AC1009");
    out.Pair(9, "$INSUNITS");
    out.Pair(70, figure.millimetres ? kMillimetres : kUnitless);
    const Box box = BoxOf(figure.loops);
    if (!box.Empty()) {
        out.Pair(9, "$EXTMIN");
        out.At(10, box.low);
        out.Pair(9, "$EXTMAX");
        out.At(10, box.high);
    }
    out.EndSection();
}

void Tables(DxfOut& out) {
    out.Section("TABLES");
    out.Pair(0, "TABLE");
    out.Pair(2, "LTYPE");
    out.Pair(70, 1);
    out.Pair(0, "LTYPE");
    out.Pair(2, "CONTINUOUS");
    out.Pair(70, 0);
    out.Pair(3, "Solid line");
    out.Pair(72, 65);
    out.Pair(73, 0);
    out.Number(40, 0);
    out.Pair(0, "ENDTAB");
    out.Pair(0, "TABLE");
    out.Pair(2, "LAYER");
    out.Pair(70, 4);
    for (const auto& [name, colour] :
         {std::pair{"0", kOutlineColour}, std::pair{kLayerOutline, kOutlineColour},
          std::pair{kLayerHoles, kHolesColour}, std::pair{kLayerAxes, kAxesColour}}) {
        out.Pair(0, "LAYER");
        out.Pair(2, name);
        out.Pair(70, 0);
        out.Pair(62, colour);
        out.Pair(6, "CONTINUOUS");
    }
    out.Pair(0, "ENDTAB");
    out.EndSection();
}

void EdgeEntity(DxfOut& out, const Edge& e, const char* layer) {
    if (!IsArc(e)) {
        out.Entity("LINE", layer);
        out.At(10, e.start);
        out.At(11, e.end);
        return;
    }
    const ArcShape arc = ArcOf(e);
    const double a = std::atan2(e.start.y - arc.centre.y, e.start.x - arc.centre.x);
    const double b = std::atan2(e.end.y - arc.centre.y, e.end.x - arc.centre.x);
    out.Entity("ARC", layer);
    out.At(10, arc.centre);
    out.Number(40, arc.radius);
    out.Number(50, Degrees(arc.sweep > 0 ? a : b));  // counter-clockwise from 50 to 51
    out.Number(51, Degrees(arc.sweep > 0 ? b : a));
}

void Axes(DxfOut& out, const CadFigure& figure) {
    out.Entity("POINT", kLayerAxes);
    out.At(10, figure.centroid);
    for (int axis = 0; axis < 2; ++axis) {
        const auto [from, to] = AxisEnds(figure, axis);
        out.Entity("LINE", kLayerAxes);
        out.At(10, from);
        out.At(11, to);
    }
}

}  // namespace

std::string DxfText(const CadFigure& figure) {
    DxfOut out;
    Header(out, figure);
    Tables(out);
    out.Section("ENTITIES");
    const std::vector<int> depths = NestingDepths(figure.loops);
    for (std::size_t i = 0; i < figure.loops.size(); ++i)
        for (const Edge& e : figure.loops[i].edges)
            EdgeEntity(out, e, depths[i] % 2 ? kLayerHoles : kLayerOutline);
    if (figure.hasAxes) Axes(out, figure);
    out.EndSection();
    out.Pair(0, "EOF");
    return out.Text();
}

}  // namespace cad
