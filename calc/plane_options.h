// veldrio-calc's perspective plane: --plane X1,Y1,...,X4,Y4 (the corners
// of a known rectangle in dots of the picture at 100 %, clockwise from the
// top-left) with --plane-mm W,H measures the outline in the plane, whose
// millimetres then fill the "mm" block; --rectify PICTURE OUT.png writes
// the picture corrected onto the plane at --dots-per-mm D.
#pragma once

#include <string>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "plane/plane_setting.h"

struct PlaneOptions {
    plane::PlaneSetting setting;  // widthMm and heightMm from --plane-mm
    bool pointsGiven = false;
    bool sizeGiven = false;
    std::string rectifyPicture;  // --rectify: read from here
    std::string rectifyOut;      //            written here
    double dotsPerMm = 0;        // 0: as many as keep the picture's own size

    bool Rectifying() const { return !rectifyPicture.empty(); }
};

// Each reads one option's values; the problem's text, or empty.
std::string ReadPlanePoints(const std::string& text, PlaneOptions& options);
std::string ReadPlaneSize(const std::string& text, PlaneOptions& options);
std::string ReadDotsPerMm(const std::string& text, PlaneOptions& options);

// What is wrong with the options taken together (a usage error), or empty.
std::string CheckPlaneOptions(const PlaneOptions& options, double mmPerDot, bool haveInput);

// After the calculation: measures the rows (dots at magnification R) in
// the plane into state when one is given. Exit status: 0, or 1 with the
// message on standard error when the plane or the outline is refused.
int MeasureWithPlane(const PlaneOptions& options, const SampleTable& table, double R, CalcState& state);

// --rectify: exit status 0 written, 1 refused, 2 unreadable or unwritable.
int RunRectify(const PlaneOptions& options);
