// The DXF import: pairs, entities, chaining, crossings and the rows, over
// any bytes; a drawing that loads is also written back out.
#include <cstdint>
#include <string_view>

#include "cad/cad_figure.h"
#include "cad/dxf_import.h"
#include "cad/dxf_writer.h"
#include "cad/svg_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const cad::DxfImport import = cad::ImportDxf(text, {}, 200);
    if (import.status != cad::ImportStatus::Loaded) return 0;
    const std::vector<cad::Row> rows = cad::ImportedRows(import, cad::LocalPlacement(import.box, 1));
    const cad::CadFigure figure = cad::FigureFromRows(rows, 1, 0);
    cad::DxfText(figure);
    cad::SvgText(figure, {});
    return 0;
}
