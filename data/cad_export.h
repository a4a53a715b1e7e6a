// The outline written as a DXF drawing and an SVG picture.
#pragma once

#include <string>

#include "dialogs/colour_table.h"

class SampleTable;
struct CalcState;

// Writes the calculated outline of table (results in state) as DXF to
// dxfPath and as SVG to svgPath (an empty path: that file is not written),
// in mm when mmPerDot is positive, the SVG's overlay in the colours
// numbered colours. Returns the path that could not be written, or an empty
// text when all went well.
std::string WriteCadFiles(const std::string& dxfPath, const std::string& svgPath, const SampleTable& table,
                          const CalcState& state, double mmPerDot, const ColourNumbers& colours);
