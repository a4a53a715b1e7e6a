#include "viewer/display_scale.h"

#include "viewer/viewer_scroll.h"

int ScalePercent(double scale) { return TruncateToInt(scale * 100.0); }

double ScaleOfPercent(int percent) { return percent / 100.0; }
