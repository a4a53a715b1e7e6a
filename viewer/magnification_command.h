// The viewer's "表示倍率" command: the question when the table holds rows,
// the magnification dialog, then the picture at the chosen percentage from
// its top-left corner, the sample points moved with it.
#pragma once

#include <optional>

class CViewImage;
class ImageCanvas;
class QWidget;

// Asks for and applies a new magnification of view, shown on canvas. The
// factor (new / old scale) when the magnification changed; nothing when
// the user kept it or the percentage was refused (with a message).
std::optional<double> ChangeMagnification(QWidget* viewer, CViewImage& view, ImageCanvas& canvas);
