// Test support: looking for colours among the pixels of a painted image.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include "dialogs/colour_table.h"

QColor ColourOf(const Rgb& rgb);
// Entry number of the 20-colour table.
QColor TableColour(int number);

// Pixels of the colour inside the rectangle (clipped to the image).
int CountColour(const QImage& image, const QRect& area, const QColor& colour);
int CountColour(const QImage& image, const QColor& colour);

// The smallest rectangle holding every pixel of the colour.
QRect BoundsOfColour(const QImage& image, const QColor& colour);

// Whether a pixel of the colour lies within one pixel of (x, y).
bool NearColour(const QImage& image, int x, int y, const QColor& colour);
