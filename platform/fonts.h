// The Japanese faces the windows ask for by name, and point sizes turned
// into pixel heights the way the windows expect them.
#pragma once

class QFont;

namespace platform {

// Face names the windows use.
inline constexpr const char* kFixedGothic = "ＭＳ ゴシック";          // fixed pitch
inline constexpr const char* kProportionalGothic = "ＭＳ Ｐゴシック";  // proportional
inline constexpr const char* kDialogFace = "MS UI Gothic";            // dialog font

// Maps the face names above (and "ＭＳ P ゴシック") onto the installed
// IPA faces. Run once at start-up, before the first window is built.
void InstallFontSubstitutions();

// Pixel height of a font of `points` points on a device of `dpi` dots per
// inch: points x dpi / 72, rounded to the nearest integer (halves away from 0).
int PointsToPixelHeight(int points, int dpi);

// A font of the named face at `points` points for the primary screen's
// logical vertical DPI. Fixed-pitch faces are marked as such so that a
// missing face still falls back to a monospaced one.
QFont MakeFont(const char* face, int points);

// The font's average character width as the windows lay text out: the
// advance of the letter x (the cell width of a fixed-pitch face).
int AverageCharWidth(const QFont& font);

// The screen's logical vertical DPI (96 when there is no screen).
int ScreenLogicalDpiY();

}  // namespace platform
