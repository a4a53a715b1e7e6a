// A line of text as a small 32-bit picture, for painting onto any surface.
// Qt's raster engine blits unsmoothed glyphs onto a 16-bit surface with a
// wrong row length (rows of a glyph land half a row away); painted through
// this picture the text reads the same at every depth.
#pragma once

#include <QImage>

class QColor;
class QFont;
class QString;

// text in colour on a transparent picture, its top-left corner at the
// text's origin (the baseline lies at the font's ascent), with the given
// device pixel ratio. Draw it with QPainter::drawImage at the text's
// top-left corner.
QImage TextPicture(const QString& text, const QFont& font, const QColor& colour, qreal pixelRatio);
