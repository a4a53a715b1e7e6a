#include "cad/drawing_picture.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {

// The figure's larger side in dots, roughly, and the room around it as a
// share of that side.
constexpr double kFigureDots = 2000;
constexpr double kMargin = 0.05;

// Resolutions whose millimetres per dot read as short decimals: these
// steps times a power of ten.
constexpr double kSteps[] = {1, 1.25, 2, 2.5, 4, 5, 8, 10};

// The step nearest to value (by ratio).
double RoundResolution(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    double best = power;
    for (const double step : kSteps)
        if (std::abs(std::log(step * power / value)) < std::abs(std::log(best / value))) best = step * power;
    return best;
}

}  // namespace

DrawingPicture PictureForDrawing(const Box& box, double mmPerUnit) {
    DrawingPicture picture;
    const double w = box.high.x - box.low.x, h = box.high.y - box.low.y;
    const double size = std::max(w, h);
    if (!(size > 0) || !std::isfinite(size)) return picture;
    picture.dotsPerUnit = RoundResolution(kFigureDots / size);
    const double margin = kMargin * size;
    picture.width = int(std::ceil((w + 2 * margin) * picture.dotsPerUnit));
    picture.height = int(std::ceil((h + 2 * margin) * picture.dotsPerUnit));
    picture.mmPerDot = (mmPerUnit > 0 ? mmPerUnit : 1) / picture.dotsPerUnit;
    picture.placement = {{box.low.x - margin, box.high.y + margin}, picture.dotsPerUnit};
    return picture;
}

}  // namespace cad
