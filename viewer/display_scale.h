// The display scale of a viewer and the percentage it is shown and chosen as.
#pragma once

// The percentage of a scale: s x 100 in double, truncated toward zero (2.01
// gives 200, 0.29 gives 28).
int ScalePercent(double scale);

// The scale of a chosen percentage.
double ScaleOfPercent(int percent);
