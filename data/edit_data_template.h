// Template 135 of the data edit window: its size in dialog units, its
// controls, the grey background all edit windows share and the look of the
// explanation texts.
#pragma once

#include <span>

#include "app/dialog_template.h"

class QWidget;

constexpr int kEditWindowWidthDlu = 228;
constexpr int kEditWindowHeightDlu = 333;
constexpr int kEditDialogFontPoints = 9;

// The controls in template order.
std::span<const ControlTemplate> EditDataControls();

// Gives the grey background to every window of the class className (and
// every control in it), once.
void ShareEditWindowPalette(const char* className);

// The explanation texts of client in their font and colours, each as high
// as its text needs; where the texts are translated, the layout widens
// first so that they fit across (FitLayoutToTexts).
void StyleExplanations(QWidget& client);
