// The section-property report "SectProp.txt" (UTF-8 with CR LF line ends;
// written as Shift-JIS like the other reports) and the same values as one
// JSON object for scripts.
#pragma once

#include <string>

#include "data/calc_state.h"
#include "data/section_properties.h"

// The properties of the last calculation at every scale, with the scale
// held in the state.
PropertiesAtScales PropertiesOf(const CalcState& state);

// Heading, the scale in use, a note on the fibre sides, a column heading
// and one line per value with the value at the displayed scale, at the
// source scale and, when a scale is set, in millimetres.
std::string PropertiesReportText(const PropertiesAtScales& properties);

// {"R": ..., "dots": {...}, "source": {...}, "mm": {...}} on one line, "mm"
// only with a scale; every number with full double precision.
std::string PropertiesJson(const PropertiesAtScales& properties);
