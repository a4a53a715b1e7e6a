#include "calc/cad_options.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "cad/dxf_import.h"
#include "data/cad_export.h"
#include "data/cad_table.h"
#include "data/calc_state.h"
#include "data/sample_table.h"

bool IsDxfFile(const std::string& path) {
    if (path.size() < 4) return false;
    std::string end = path.substr(path.size() - 4);
    std::transform(end.begin(), end.end(), end.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return end == ".dxf";
}

int ReadDxfOutline(const std::string& bytes, const std::string& layer, SampleTable& table, double& mmPerDot) {
    const cad::DxfImport import = cad::ImportDxf(bytes, layer, table.capacity);
    if (import.status != cad::ImportStatus::Loaded) {
        std::fprintf(stderr, "%s\n", import.message.c_str());
        return 1;
    }
    StoreCadRows(table, cad::ImportedRows(import, cad::LocalPlacement(import.box, 1)));
    if (mmPerDot == 0) mmPerDot = import.mmPerUnit;
    return 0;
}

bool WriteCadFiles(const CadOptions& options, const SampleTable& table, const CalcState& state) {
    const std::string failed =
        WriteCadFiles(options.dxfOut, options.svgOut, table, state, state.mmPerDot, DEFAULT_COLOUR_NUMBERS);
    if (!failed.empty()) std::fprintf(stderr, "veldrio-calc: cannot write %s\n", failed.c_str());
    return failed.empty();
}
