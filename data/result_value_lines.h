// The value lines that the result report and the CSV export share: the same
// thirteen values in the same order, each written with the shown value
// alone when R is exactly 1, or with the source-scale value beside it.
#pragma once

#include <array>
#include <string>

#include "data/calc_results.h"

struct ResultLineFormat {
    const char* atOne;   // takes the shown value
    const char* scaled;  // takes the shown and the source-scale value
};

// Formats for A, L, B, H, xC, bL, bR, yC, hU, hL, Iy Max, theta, Iz Min.
// The theta line takes the shown value only, at any R.
using ResultLineFormats = std::array<ResultLineFormat, 13>;

std::string ResultValueLines(const CalcResults& results, const ResultLineFormats& formats);
