#include "data/cad_export.h"

#include "cad/dxf_writer.h"
#include "cad/svg_writer.h"
#include "data/cad_table.h"
#include "platform/atomic_write.h"

namespace {

std::string ColourOf(const ColourNumbers& colours, ColourPosition position) {
    const Rgb rgb = OverlayColour(colours, position);
    return cad::ColourText(rgb.red, rgb.green, rgb.blue);
}

bool WriteText(const std::string& path, const std::string& text) {
    return platform::WriteFileAtomically(
        path, [&](std::FILE* file) { return std::fwrite(text.data(), 1, text.size(), file) == text.size(); });
}

}  // namespace

std::string WriteCadFiles(const std::string& dxfPath, const std::string& svgPath, const SampleTable& table,
                          const CalcState& state, double mmPerDot, const ColourNumbers& colours) {
    const cad::CadFigure figure = FigureOfTable(table, state, mmPerDot);
    if (!dxfPath.empty() && !WriteText(dxfPath, cad::DxfText(figure))) return dxfPath;
    cad::SvgColours svg;
    svg.outline = ColourOf(colours, COLOUR_SEGMENT);
    svg.centroid = ColourOf(colours, COLOUR_CENTROID);
    svg.strongAxis = ColourOf(colours, COLOUR_STRONG_AXIS);
    svg.weakAxis = ColourOf(colours, COLOUR_WEAK_AXIS);
    if (!svgPath.empty() && !WriteText(svgPath, cad::SvgText(figure, svg))) return svgPath;
    return {};
}
