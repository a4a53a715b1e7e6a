#include "platform/dialog_units.h"

#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>

namespace platform {
namespace {

// value x numerator / denominator, rounded to the nearest integer.
int ScaleRounded(int value, int numerator, int denominator) {
    long long product = static_cast<long long>(value) * numerator;
    long long half = (product >= 0 ? denominator : -denominator) / 2;
    return static_cast<int>((product + half) / denominator);
}

}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) {
    QFontMetrics metrics(font);
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return DialogBaseUnits{(letters / 26 + 1) / 2, metrics.height()};
}

int DluToPixelsX(int dlu, DialogBaseUnits units) { return ScaleRounded(dlu, units.x, 4); }

int DluToPixelsY(int dlu, DialogBaseUnits units) { return ScaleRounded(dlu, units.y, 8); }

QRect DialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits units) {
    return QRect(DluToPixelsX(x, units), DluToPixelsY(y, units), DluToPixelsX(width, units),
                 DluToPixelsY(height, units));
}

}  // namespace platform
