// The magnification dialog's percentage rules: the value it starts from, the
// fixed steps of its arrow buttons and the texts of the two sizes it shows.
#pragma once

#include <string>

// The percentage the dialog starts from: the viewer's value when it lies in
// 1..1999, otherwise 100.
int RatioStartPercent(int percent);

// Up arrow: the next multiple of 10 below 100, then 150 and 200, then the
// next multiple of 100.
int RatioStepUp(int percent);

// Down arrow: 200 → 150 → 100 → 90 … 10 → 0; above 200 the nearest hundred
// (halves up) less 100. A result below 0 becomes 10.
int RatioStepDown(int percent);

// "%d x %d" with the two sizes.
std::string RatioSizeText(int width, int height);

// The size the image takes at percent, in whole dots (integer arithmetic).
std::string RatioConvertedSizeText(int width, int height, int percent);
