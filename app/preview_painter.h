// Drawing of the main dialog's preview box.
#pragma once

class QPainter;
class QRect;
struct DisplayRaster;

// Draws picture (null when no preview is loaded: the box is filled white)
// with its top-left corner at the box's, converted for a depth-bit screen.
// The part of the box the picture does not cover is left as it is. Nothing
// is drawn for a depth other than 16, 24 or 32.
void DrawPreview(QPainter& painter, const QRect& box, const DisplayRaster* picture, int depth);
