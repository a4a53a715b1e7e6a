// The blank picture an imported drawing is shown on: its extent with a
// margin, at a round resolution that makes the figure about 2,000 dots
// across, and that resolution as the picture's real-unit scale.
#pragma once

#include "cad/cad_geometry.h"
#include "cad/outline_rows.h"

namespace cad {

struct DrawingPicture {
    int width = 0;  // dots
    int height = 0;
    double dotsPerUnit = 1;  // 1, 2 or 5 times a power of ten
    double mmPerDot = 0;     // millimetres per dot
    RowPlacement placement;  // drawing to picture dots at 100 %
};

// mmPerUnit: the drawing's unit; 0 (none named) counts as a millimetre.
DrawingPicture PictureForDrawing(const Box& box, double mmPerUnit);

}  // namespace cad
