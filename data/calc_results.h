// The result record of a calculation, at the scale shown (dots of the image
// as displayed) and at the source image's scale (divided by the
// magnification R to the power of each value's dimension).
#pragma once

#include "osmeca/osmeca.h"

struct ResultValues {
    double B = 0;      // width
    double H = 0;      // height
    double A = 0;      // area
    double L = 0;      // perimeter
    double xC = 0;     // centroid
    double yC = 0;
    double hU = 0;     // centroid to the top and bottom edges
    double hL = 0;
    double bL = 0;     // left and right edges to the centroid
    double bR = 0;
    double IyMax = 0;  // principal second moments
    double IzMin = 0;
    double theta = 0;  // degrees, axis of IyMax, clockwise from +X
};

struct CalcResults {
    double R = 0;  // display magnification at calculation time (1.0 = 100 %)
    ResultValues shown;
    ResultValues source;
};

// Both halves from the library's results; when R is exactly 1 the source
// values are copies of the shown ones.
CalcResults MakeCalcResults(const SectionResults& results, double R);
