#include "support/pixel_probe.h"

QColor ColourOf(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QColor TableColour(int number) { return ColourOf(COLOUR_TABLE.at(static_cast<std::size_t>(number))); }

int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}

int CountColour(const QImage& image, const QColor& colour) { return CountColour(image, image.rect(), colour); }

QRect BoundsOfColour(const QImage& image, const QColor& colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool NearColour(const QImage& image, int x, int y, const QColor& colour) {
    return CountColour(image, QRect(x - 1, y - 1, 3, 3), colour) > 0;
}
