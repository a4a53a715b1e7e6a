// The sample table as the drawing code's rows, and the drawing code's rows
// stored into the table; the figure the DXF and SVG writers draw.
#pragma once

#include <vector>

#include "cad/cad_figure.h"
#include "cad/outline_rows.h"

class SampleTable;
struct CalcState;

// Every row below count with the numbers its texts say (0 where a text
// says none, as in a loop break).
std::vector<cad::Row> TableRows(const SampleTable& table);

// Replaces the table's rows with rows (texts with as many decimals as the
// cells hold); the table then stands modified, ready to be calculated.
// The caller makes sure they fit.
void StoreCadRows(SampleTable& table, const std::vector<cad::Row>& rows);

// The table's outline with the centroid and the axes of the calculation
// in state, in mm when mmPerDot is positive, else in the picture's dots.
cad::CadFigure FigureOfTable(const SampleTable& table, const CalcState& state, double mmPerDot);
