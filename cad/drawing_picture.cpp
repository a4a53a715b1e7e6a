#include "cad/drawing_picture.h"

#include <algorithm>
#include <cmath>

namespace cad {

namespace {

// The figure's larger side in dots, roughly, and the room around it as a
// share of that side.
constexpr double kFigureDots = 2000;
constexpr double kMargin = 0.05;

// The largest of 1, 2, 5 times a power of ten not above value.
double RoundDown(double value) {
    const double power = std::pow(10.0, std::floor(std::log10(value)));
    for (const double step : {5.0, 2.0, 1.0})
        if (step * power <= value) return step * power;
    return power;
}

}  // namespace

DrawingPicture PictureForDrawing(const Box& box, double mmPerUnit) {
    DrawingPicture picture;
    const double w = box.high.x - box.low.x, h = box.high.y - box.low.y;
    const double size = std::max(w, h);
    if (!(size > 0) || !std::isfinite(size)) return picture;
    picture.dotsPerUnit = RoundDown(kFigureDots / size);
    const double margin = kMargin * size;
    picture.width = int(std::ceil((w + 2 * margin) * picture.dotsPerUnit));
    picture.height = int(std::ceil((h + 2 * margin) * picture.dotsPerUnit));
    picture.mmPerDot = (mmPerUnit > 0 ? mmPerUnit : 1) / picture.dotsPerUnit;
    picture.placement = {{box.low.x - margin, box.high.y + margin}, picture.dotsPerUnit};
    return picture;
}

}  // namespace cad
