// The painted parts of the data edit window: the frame around the grid
// with its captions and row numbers, the result box and the status box.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/grid_layout.h"

class QPainter;
class QRect;

// Header band with the captions "Sr", "type", "X", "Y", the grey row-number
// column with its lines, and the numbers of the rows from topRow, in the
// 10-point proportional Gothic.
void PaintGridFrame(QPainter& painter, const GridLayout& layout, int topRow);

// White box with the nine result lines in the 10-point fixed Gothic, line k
// (1..9) at (w, k x h) inside the box.
void PaintResultBox(QPainter& painter, const QRect& box, const std::array<std::string, 9>& lines);

// The work state's fill and text, the text one character width in from the
// left and centred from top to bottom, in the 9-point fixed Gothic.
void PaintStatusBox(QPainter& painter, const QRect& box, int32_t workState);
