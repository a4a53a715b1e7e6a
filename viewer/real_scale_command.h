// The viewer's "実寸スケール設定" command: the scale dialog for the viewer's
// picture, then the scale kept with the picture and remembered by its path.
#pragma once

class CViewImage;
class QWidget;

// Opens the dialog (with measuredDots from two clicks, 0 when none) and
// acts on the answer: sets or clears image.mmPerDot, remembers it for the
// picture's path and lets the edit window show it. True when the user asked
// to click two points on the picture first.
bool RunRealScaleDialog(QWidget* viewer, CViewImage& image, double measuredDots);

// The remembered scale and perspective plane of the picture, as a viewer
// opens it.
void LoadRealScale(CViewImage& image);
