#include "cad/dxf_import.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <optional>

#include "cad/dxf_reader.h"
#include "cad/dxf_writer.h"
#include "cad/loop_chaining.h"
#include "osmeca/outline_check.h"
#include "res/texts_cad.h"
#include "res/texts_data.h"

namespace cad {

namespace {

bool SameName(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper((unsigned char)x) == std::toupper((unsigned char)y);
    });
}

bool Chosen(const std::string& entityLayer, const std::string& layer) {
    return layer.empty() ? !SameName(entityLayer, kLayerAxes) : SameName(entityLayer, layer);
}

// format in the user's language, with a and b in its %s.
std::string Formatted(const char* source, const std::string& a, const std::string& b = {}) {
    const char* format = Tr(source);
    const int size = std::snprintf(nullptr, 0, format, a.c_str(), b.c_str());
    std::string text(std::size_t(std::max(size, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, a.c_str(), b.c_str());
    return text;
}

DxfImport Refusal(const char* format, const Source& source) {
    DxfImport import;
    const std::string name =
        source.handle.empty() ? source.type : Formatted(texts_cad::ENTITY_NAME, source.type, source.handle);
    import.message = Formatted(format, name);
    return import;
}

// The entity of the first row where the loops cross or touch each other or
// themselves, held to the check the calculation makes.
std::optional<Source> CrossingAt(const std::vector<Row>& rows, const std::vector<Source>& sources) {
    std::vector<osmeca::CheckRow> check;
    check.reserve(rows.size());
    for (const Row& row : rows)
        check.push_back({row.type, row.x, row.y});
    const osmeca::OutlineFaultAt at = osmeca::CheckOutlineGeometry(check, nullptr);
    if (at.fault != osmeca::OutlineFault::LoopCrossesItself && at.fault != osmeca::OutlineFault::LoopsCross)
        return std::nullopt;
    return sources[std::size_t(at.row)];
}

DxfImport Refusal(const char* message, ImportStatus status = ImportStatus::Refused) {
    DxfImport import;
    import.status = status;
    import.message = Tr(message);
    return import;
}

}  // namespace

DxfImport ImportDxf(std::string_view text, const std::string& layer, int maxRows) {
    const DxfDrawing drawing = ReadDxf(text);
    for (const DxfRefusedEntity& refused : drawing.refused)
        if (Chosen(refused.layer, layer)) return Refusal(texts_cad::MSG_UNSUPPORTED_ENTITY, refused.source);
    std::vector<DxfShape> shapes;
    std::size_t edges = 0;
    for (const DxfShape& shape : drawing.shapes)
        if (Chosen(shape.layer, layer)) {
            shapes.push_back(shape);
            edges += shape.edges.size();
        }
    if (shapes.empty())
        return Refusal(drawing.malformed ? texts_cad::MSG_UNREADABLE : texts_cad::MSG_NO_OUTLINE);
    // Every edge takes a row at least.
    if (drawing.tooLarge || edges > std::size_t(maxRows))
        return Refusal(texts_data::MSG_TABLE_FULL, ImportStatus::TooManyRows);
    const double tolerance = ChainTolerance(shapes);
    if (!std::isfinite(tolerance)) return Refusal(texts_cad::MSG_UNREADABLE);
    ChainResult chained = ChainLoops(shapes, tolerance);
    if (!chained.closed) return Refusal(texts_cad::MSG_OPEN_CHAIN, chained.openEnd);
    std::vector<Source> sources;
    const std::vector<Row> rows = LoopsToRows(chained.loops, {}, &sources);
    if (const auto crossing = CrossingAt(rows, sources)) return Refusal(texts_cad::MSG_CROSSING, *crossing);
    DxfImport import;
    import.loops = std::move(chained.loops);
    import.box = BoxOf(import.loops);
    const double size = Distance(import.box.low, import.box.high);
    if (!std::isfinite(size) || !(size > 0)) return Refusal(texts_cad::MSG_UNREADABLE);
    import.mmPerUnit = MillimetresPerUnit(drawing.insUnits);
    if (rows.size() > std::size_t(maxRows))
        return Refusal(texts_data::MSG_TABLE_FULL, ImportStatus::TooManyRows);
    import.status = ImportStatus::Loaded;
    return import;
}

std::vector<Row> ImportedRows(const DxfImport& import, const RowPlacement& placement) {
    return LoopsToRows(import.loops, placement);
}

}  // namespace cad
