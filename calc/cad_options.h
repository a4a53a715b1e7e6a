// veldrio-calc and drawings: an outline read from a DXF file (FILE.dxf,
// --layer NAME) and the outline written as DXF and SVG (--dxf, --svg).
#pragma once

#include <string>

class SampleTable;
struct CalcState;

struct CadOptions {
    std::string dxfOut;  // --dxf OUT.dxf
    std::string svgOut;  // --svg OUT.svg
    std::string layer;   // --layer NAME: the loops of that layer only
};

// A file name ending in ".dxf" (any case).
bool IsDxfFile(const std::string& path);

// Reads the drawing's outline into table, in the drawing's units (moved to
// a local origin when far from it). Returns 0 when read, 1 when refused
// (the message printed on standard error). A mmPerDot of 0 (none given)
// becomes the millimetres of one unit when the drawing names its unit.
int ReadDxfOutline(const std::string& bytes, const std::string& layer, SampleTable& table, double& mmPerDot);

// Writes the files asked for; false (the problem printed on standard
// error) when one cannot be written.
bool WriteCadFiles(const CadOptions& options, const SampleTable& table, const CalcState& state);
