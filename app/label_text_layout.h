// Where a heading label box puts its text: centred by byte count, the way a
// fixed-pitch face lays out Shift-JIS text (a double-byte character is two
// character cells wide).
#pragma once

struct LabelTextOrigin {
    int x = 0;
    int y = 0;
};

// The longest label a box shows, in Shift-JIS bytes.
inline constexpr int kLabelTextMaxBytes = 47;

// x = (left + right) / 2 - textBytes x averageCharWidth / 2 and
// y = (top + bottom) / 2 - textHeight / 2, integer arithmetic truncating
// toward zero. The origin is the top-left corner of the text.
LabelTextOrigin LabelTextPosition(int left, int top, int right, int bottom, int textBytes,
                                  int averageCharWidth, int textHeight);
