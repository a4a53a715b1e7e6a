// Draws the viewer's overlay with a QPainter: the lines, arcs and texts that
// OverlayGeometry lists, in its order, with one-pixel pens and the 10-point
// fixed-pitch face, leaving the painter as it was.
#pragma once

#include <array>
#include <vector>

#include "dialogs/colour_table.h"
#include "viewer/overlay_geometry.h"

class QFont;
class QPainter;
class SampleTable;
struct CalcState;

// The overlay's font: "ＭＳ ゴシック", 10 points for the screen, not antialiased.
QFont OverlayFont();

// L: the font's height plus its external leading, in pixels.
int OverlayLineHeight(const QFont& font);

// Draws items in order. Lines leave out their end point; arcs run
// counter-clockwise from the start ray to the end ray; texts stand with
// their top-left corner at their position, without a background.
void DrawOverlay(QPainter& painter, const std::vector<OverlayItem>& items);

// The whole overlay of a viewer whose image's top-left corner is at
// (originX, originY): geometry from the current table and calculation, drawn.
void DrawSampleOverlay(QPainter& painter, const SampleTable& table, const CalcState& calc,
                       int originX, int originY, const ColourNumbers& colours);

// The known points of a plane being clicked, in display dots, drawn over the
// image as KnownPointsGeometry lists them.
void DrawKnownPoints(QPainter& painter, const std::vector<std::array<int, 2>>& dots, int originX, int originY,
                     const ColourNumbers& colours);
