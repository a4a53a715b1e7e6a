#include "platform/fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QStringList>

#include <cmath>
#include <cstring>

namespace platform {
namespace {

constexpr const char* kIpaFixed = "IPAGothic";
constexpr const char* kIpaProportional = "IPAPGothic";

bool IsFixedFace(const char* face) { return std::strcmp(face, kFixedGothic) == 0; }

}  // namespace

void InstallFontSubstitutions() {
    QFont::insertSubstitutions(QString::fromUtf8(kFixedGothic),
                               {QString::fromUtf8(kIpaFixed), QStringLiteral("Monospace")});
    const QStringList proportional{QString::fromUtf8(kIpaProportional), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QString::fromUtf8(kProportionalGothic), proportional);
    QFont::insertSubstitutions(QString::fromUtf8("ＭＳ P ゴシック"), proportional);
    QFont::insertSubstitutions(QString::fromUtf8(kDialogFace), proportional);
}

int PointsToPixelHeight(int points, int dpi) {
    long long product = static_cast<long long>(points) * dpi;
    long long half = product >= 0 ? 36 : -36;
    return static_cast<int>((product + half) / 72);
}

int ScreenLogicalDpiY() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 96;
    return static_cast<int>(std::lround(screen->logicalDotsPerInchY()));
}

int AverageCharWidth(const QFont& font) { return QFontMetrics(font).horizontalAdvance(QLatin1Char('x')); }

QFont MakeFont(const char* face, int points) {
    QFont font(QString::fromUtf8(face));
    font.setPixelSize(PointsToPixelHeight(points, ScreenLogicalDpiY()));
    if (IsFixedFace(face)) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    } else {
        font.setStyleHint(QFont::SansSerif);
    }
    return font;
}

}  // namespace platform
