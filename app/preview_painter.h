// Drawing of the main dialog's preview box.
#pragma once

class QPainter;
class QRect;
struct DisplayRaster;

// Draws picture (null when no preview is loaded: the box is filled white)
// with its top-left corner at the box's, converted for a depth-bit screen.
// The part of the box the picture does not cover is left as it is. Screens
// of another depth take the nearest of the 16-, 24- and 32-bit layouts.
void DrawPreview(QPainter& painter, const QRect& box, const DisplayRaster* picture, int depth);
