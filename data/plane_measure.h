// Measuring the outline in a picture's plane: a copy of the rows (display
// dots at the magnification R) is carried into plane millimetres through
// the plane's homography and calculated as the edit window calculates; the
// rows themselves and the results in dots are left as they are.
#pragma once

#include <string>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "data/section_properties.h"
#include "plane/plane_fit.h"
#include "res/notice.h"

// The rows in plane units: millimetres times unitsPerMm, written with as
// many decimals as the 8-character texts hold. False (table unchanged)
// when a point lies beyond the vanishing line.
bool MapTableToPlane(const SampleTable& table, double R, const plane::Homography& toPlane, double unitsPerMm,
                     SampleTable& mapped);

// The section in plane millimetres; a refusal's message in *notice.
bool MeasureInPlane(const SampleTable& table, double R, const plane::Homography& toPlane,
                    SectionProperties& mm, Notice* notice = nullptr);

// "遠近補正: 4点, 200 x 150 mm".
std::string PlaneName(const plane::PlaneSetting& setting);

// The line under the edit window's explanations: the plane's name while a
// plane is set, else the real-unit scale, else nothing.
std::string ScaleLineText(double mmPerDot, const plane::PlaneSetting& setting);

// What is printed with a calculation: the plane's results replace the
// real-unit scale while a plane is set (state.planeName, state.planeMm);
// otherwise mmPerDot. R: the magnification the rows are in. A notice when the plane cannot measure the
// outline (the reports then carry no millimetres).
Notice SetPrintedScale(CalcState& state, const SampleTable& table, double R, double mmPerDot,
                       const plane::PlaneSetting& setting);

// The message for a refused plane; empty for None.
Notice PlaneRefusalNotice(plane::PlaneRefusal refusal);

// The plane dialog's list of residuals: one line a known point, "n: mm".
std::string ResidualLines(const plane::PlaneFit& fit);
