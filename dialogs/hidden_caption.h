// Caption boxes over controls that are not shown: the dialog paints the
// box itself, over the control's place, filled without a border, with the
// caption in white 10-point "ＭＳ ゴシック".
#pragma once

#include <QColor>
#include <QString>

class QPainter;
class QRect;

// The longest caption painted this way, in Shift-JIS bytes.
inline constexpr int kHiddenCaptionMaxBytes = 49;

// rect is the hidden control's place in the dialog's client coordinates.
// The text (whole characters, at most kHiddenCaptionMaxBytes bytes) is
// centred by its byte count; its top is (top + bottom) / 2 minus half the
// font's height plus its external leading.
void PaintHiddenCaption(QPainter& painter, const QRect& rect, const QString& text, const QColor& fill);
