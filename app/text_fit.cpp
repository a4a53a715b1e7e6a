#include "app/text_fit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace {

// The smallest size tried, and the step between two sizes tried.
constexpr qreal kSmallestPoints = 5.0;
constexpr qreal kPointStep = 0.25;

QString WithLineBreaks(QString text) {
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    return text;
}

// Lays text out at width; returns the number of lines and the widest one.
void Wrap(QTextLayout& layout, qreal width, int& lines, qreal& widest) {
    QTextOption option(Qt::AlignLeft);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    lines = 0;
    widest = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, 0));
        widest = std::max(widest, line.naturalTextWidth());
        ++lines;
    }
    layout.endLayout();
}

// Fits text at font into box; false when it does not fit.
bool TryFit(const QString& text, const QFont& font, const QSizeF& box, QPaintDevice* device, TextFit& fit) {
    QTextLayout layout(text, font, device);
    int lines = 0;
    qreal widest = 0;
    Wrap(layout, box.width(), lines, widest);
    if (widest > box.width()) return false;  // a single glyph wider than the box
    const QFontMetricsF metrics(font, device);
    const qreal glyphHeight = metrics.ascent() + metrics.descent();
    // The font's own spacing first, then lines that touch.
    for (const qreal step : {metrics.lineSpacing(), glyphHeight}) {
        const qreal height = (lines - 1) * step + glyphHeight;
        if (lines > 0 && height > box.height()) continue;
        fit.font = font;
        fit.lineStep = step;
        fit.lines = lines;
        fit.bounds = QRectF(0, 0, widest, lines > 0 ? height : 0);
        return true;
    }
    return false;
}

}  // namespace

TextFit FitText(const QString& text, const QFont& base, const QSizeF& box, QPaintDevice* device) {
    const QString laidOut = WithLineBreaks(text);
    TextFit fit;
    if (TryFit(laidOut, base, box, device, fit)) return fit;
    QFont font = base;
    qreal points = base.pointSizeF();
    if (points <= 0) {
        // A font sized in pixels: its size in points on the device.
        const qreal dpi = device ? device->logicalDpiY() : 96.0;
        points = base.pixelSize() * 72.0 / dpi;
    }
    for (points -= kPointStep; points >= kSmallestPoints; points -= kPointStep) {
        font.setPointSizeF(points);
        if (TryFit(laidOut, font, box, device, fit)) return fit;
    }
    font.setPointSizeF(kSmallestPoints);
    TryFit(laidOut, font, QSizeF(box.width(), 1e6), device, fit);
    return fit;
}

void DrawFittedText(QPainter& painter, const QRectF& box, const QString& text, const TextFit& fit) {
    QTextLayout layout(WithLineBreaks(text), fit.font, painter.device());
    int lines = 0;
    qreal widest = 0;
    Wrap(layout, box.width(), lines, widest);
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        // The line's own ascent is that of the font it uses; tops are spaced
        // by the fit's step.
        line.draw(&painter, QPointF(box.left(), box.top() + i * fit.lineStep - line.y()));
    }
}
