// Small image files written for widget tests.
#pragma once

#include <QColor>
#include <QString>

// Writes a width x height picture in the format Qt names (BMP, JPG, PNG,
// GIF), filled with colour, and returns whether it was written.
bool WriteImageFile(const QString& path, int width, int height, const char* format,
                    const QColor& colour = QColor(200, 40, 10));
