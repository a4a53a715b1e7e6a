// A DXF drawing read as an outline: the shapes of the chosen layers
// chained into loops, refused when they cannot be measured.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_geometry.h"
#include "cad/outline_rows.h"

namespace cad {

enum class ImportStatus {
    Loaded,
    Refused,      // message says why (entity type and handle when it is one's fault)
    TooManyRows,  // the outline needs more rows than maxRows
};

struct DxfImport {
    ImportStatus status = ImportStatus::Refused;
    std::string message;  // UTF-8, why the drawing was not loaded (user's language)
    std::vector<Loop> loops;
    Box box;               // of the loops, drawing units
    double mmPerUnit = 0;  // from $INSUNITS; 0 when the drawing names no length unit
};

// The layer the export puts the axes on is left out unless asked for by
// name; an empty layer takes every other layer. Layer names compare
// without regard to case.
DxfImport ImportDxf(std::string_view text, const std::string& layer, int maxRows);

// The rows the import's loops become at the placement.
std::vector<Row> ImportedRows(const DxfImport& import, const RowPlacement& placement);

}  // namespace cad
