// Which sample point a click reaches while the viewer corrects coordinates.
#pragma once

class SampleTable;

// A point is within reach when both of its coordinates differ from the
// click's by at most this many dots: a square of 9 x 9 dots, edges included.
constexpr int PICK_REACH = 4;

// The first row below count whose point (x, y) is within reach of the dot
// (clickX, clickY), or -1 when none is. Empty rows (type 0) take part like
// any other row; the lowest row number wins.
int PickPoint(const SampleTable& table, int clickX, int clickY);
