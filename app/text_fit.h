// Fitting a static text into its box: the text wraps at the box's width,
// and when its lines do not fit the box's height at the control's font, the
// lines close up to the font's own height and then the font shrinks, until
// the whole text lies inside the box. The box itself never moves or grows.
#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;
class QPaintDevice;

struct TextFit {
    QFont font;          // the control's font, or a smaller size of it
    qreal lineStep = 0;  // distance between the tops of two lines
    int lines = 0;       // lines the text wraps to
    QRectF bounds;       // the laid-out text, relative to the box's top-left
};

// The largest size of base (at most its own) and the widest line spacing at
// which text, wrapped at box.width(), lies inside box. Sizes are measured on
// device (the control: its resolution and pixel ratio), or on the screen
// when null. A text that fits nowhere gets the smallest size tried.
TextFit FitText(const QString& text, const QFont& base, const QSizeF& box, QPaintDevice* device);

// Draws text with its fit from the box's top-left corner, in the painter's
// pen.
void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const TextFit& fit);
