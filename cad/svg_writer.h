// A figure as an SVG picture: the loops as one path of lines and `A` arcs
// filled even-odd (holes stay empty), the axes and the centroid over it in
// the overlay's colours; the size in millimetres when the figure is in mm.
#pragma once

#include <string>

#include "cad/cad_figure.h"

namespace cad {

// Colours as "#rrggbb".
struct SvgColours {
    std::string fill = "#c0c0c0";
    std::string outline = "#1ee014";
    std::string centroid = "#ffff00";
    std::string strongAxis = "#e032e0";
    std::string weakAxis = "#62b8c8";
};

// "#rrggbb" of the three channels.
std::string ColourText(int red, int green, int blue);

std::string SvgText(const CadFigure& figure, const SvgColours& colours);

}  // namespace cad
