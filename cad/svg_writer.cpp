#include "cad/svg_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "cad/number_text.h"

namespace cad {

namespace {

// Room around the figure, and the width of the drawn lines, as shares of
// the figure's size.
constexpr double kMargin = 0.05;
constexpr double kLineWidth = 0.002;
constexpr double kCrossSize = 0.03;

// SVG's y points down: the drawing is turned over.
std::string At(Point p) { return NumberText(p.x) + "," + NumberText(-p.y); }

std::string PathData(const std::vector<Loop>& loops) {
    std::string d;
    for (const Loop& loop : loops) {
        if (loop.edges.empty()) continue;
        d += (d.empty() ? "M" : " M") + At(loop.edges.front().start);
        for (const Edge& e : loop.edges) {
            if (!IsArc(e)) {
                d += " L" + At(e.end);
                continue;
            }
            const ArcShape arc = ArcOf(e);
            // Turned over, a counter-clockwise arc runs the negative way.
            d += " A" + NumberText(arc.radius) + "," + NumberText(arc.radius) + " 0 " +
                 (std::abs(arc.sweep) > std::numbers::pi ? "1" : "0") + "," + (arc.sweep > 0 ? "0" : "1") +
                 " " + At(e.end);
        }
        d += " Z";
    }
    return d;
}

std::string Line(Point a, Point b, const std::string& colour, double width) {
    return "<line x1=\"" + NumberText(a.x) + "\" y1=\"" + NumberText(-a.y) + "\" x2=\"" + NumberText(b.x) +
           "\" y2=\"" + NumberText(-b.y) + "\" stroke=\"" + colour + "\" stroke-width=\"" +
           NumberText(width) + "\"/>\n";
}

std::string Overlay(const CadFigure& figure, const SvgColours& colours, double size) {
    std::string out = "<g id=\"overlay\">\n";
    const double width = kLineWidth * size;
    const std::string* colour[] = {&colours.strongAxis, &colours.weakAxis};
    for (int axis = 0; axis < 2; ++axis) {
        const auto [from, to] = AxisEnds(figure, axis);
        out += Line(from, to, *colour[axis], width);
    }
    const double r = kCrossSize * size / 2;
    const Point c = figure.centroid;
    out += Line({c.x - r, c.y}, {c.x + r, c.y}, colours.centroid, width * 2);
    out += Line({c.x, c.y - r}, {c.x, c.y + r}, colours.centroid, width * 2);
    return out + "</g>\n";
}

}  // namespace

std::string ColourText(int red, int green, int blue) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", red & 0xff, green & 0xff, blue & 0xff);
    return text;
}

std::string SvgText(const CadFigure& figure, const SvgColours& colours) {
    Box box = BoxOf(figure.loops);
    if (box.Empty()) box.Add({0, 0});
    if (figure.hasAxes)
        for (const Point p :
             {Point{figure.centroid.x - figure.axisHalfLength, figure.centroid.y - figure.axisHalfLength},
              Point{figure.centroid.x + figure.axisHalfLength, figure.centroid.y + figure.axisHalfLength}})
            box.Add(p);
    double size = std::max(box.high.x - box.low.x, box.high.y - box.low.y);
    if (!(size > 0)) size = 1;
    const double margin = kMargin * size;
    const double left = box.low.x - margin, top = -box.high.y - margin;
    const double width = box.high.x - box.low.x + 2 * margin, height = box.high.y - box.low.y + 2 * margin;
    const std::string unit = figure.millimetres ? "mm" : "";
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
        NumberText(width) + unit + "\" height=\"" + NumberText(height) + unit + "\" viewBox=\"" +
        NumberText(left) + " " + NumberText(top) + " " + NumberText(width) + " " + NumberText(height) +
        "\">\n";
    out += "<path id=\"outline\" d=\"" + PathData(figure.loops) + "\" fill=\"" + colours.fill +
           "\" fill-rule=\"evenodd\" stroke=\"" + colours.outline + "\" stroke-width=\"" +
           NumberText(kLineWidth * size) + "\"/>\n";
    if (figure.hasAxes) out += Overlay(figure, colours, size);
    return out + "</svg>\n";
}

}  // namespace cad
