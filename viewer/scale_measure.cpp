#include "viewer/scale_measure.h"

#include <cmath>

void ScaleMeasure::Start() {
    active_ = true;
    clicks_ = 0;
}

void ScaleMeasure::Cancel() {
    active_ = false;
    clicks_ = 0;
}

bool ScaleMeasure::Click(int x, int y) {
    if (!active_) return false;
    x_[clicks_] = x;
    y_[clicks_] = y;
    if (++clicks_ < 2) return false;
    active_ = false;
    return true;
}

double ScaleMeasure::SourceDistance(double R) const {
    if (clicks_ < 2 || !(R > 0) || !std::isfinite(R)) return 0;
    return std::hypot(double(x_[1] - x_[0]), double(y_[1] - y_[0])) / R;
}

double MmPerDotFromLength(double lengthMm, double sourceDots) {
    if (!(lengthMm > 0) || !(sourceDots > 0) || !std::isfinite(lengthMm) || !std::isfinite(sourceDots)) return 0;
    return lengthMm / sourceDots;
}

double ChosenMmPerDot(double lengthMm, double measuredDots, double typedMmPerDot) {
    const double fromLength = MmPerDotFromLength(lengthMm, measuredDots);
    if (fromLength != 0) return fromLength;
    return typedMmPerDot > 0 && std::isfinite(typedMmPerDot) ? typedMmPerDot : 0;
}
