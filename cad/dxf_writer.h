// A figure as a DXF drawing of the oldest widely read form (R12, text):
// loops as LINE and ARC entities on the layers OUTLINE (outer loops) and
// HOLES, the centroid as a POINT and the principal axes as LINEs on AXES.
#pragma once

#include <string>

#include "cad/cad_figure.h"

namespace cad {

constexpr char kLayerOutline[] = "OUTLINE";
constexpr char kLayerHoles[] = "HOLES";
constexpr char kLayerAxes[] = "AXES";

// The whole file's text, lines ending in "\r\n". $INSUNITS says
// millimetres (4) for a figure in mm, else unitless (0).
std::string DxfText(const CadFigure& figure);

}  // namespace cad
