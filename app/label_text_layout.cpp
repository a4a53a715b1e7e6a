#include "app/label_text_layout.h"

LabelTextOrigin LabelTextPosition(int left, int top, int right, int bottom, int textBytes,
                                  int averageCharWidth, int textHeight) {
    return LabelTextOrigin{(left + right) / 2 - textBytes * averageCharWidth / 2,
                           (top + bottom) / 2 - textHeight / 2};
}
