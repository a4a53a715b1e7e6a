// Dialog units: window layouts are given in units of the dialog font, a
// quarter of its average character width across and an eighth of its
// character height down.
#pragma once

class QFont;
class QRect;

namespace platform {

struct DialogBaseUnits {
    int x = 0;  // average character width, pixels
    int y = 0;  // character height, pixels
};

// Base units of a font: the average width of the 52 Latin letters, rounded
// half up, and the font's line height.
DialogBaseUnits BaseUnitsOf(const QFont& font);

// Horizontal and vertical dialog units to pixels, rounded to the nearest
// pixel (halves away from zero).
int DluToPixelsX(int dlu, DialogBaseUnits units);
int DluToPixelsY(int dlu, DialogBaseUnits units);

// A control's rectangle given as x, y, width, height in dialog units, in
// pixels; each of the four numbers is converted on its own.
QRect DialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits units);

}  // namespace platform
