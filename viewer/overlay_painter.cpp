#include "viewer/overlay_painter.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPaintDevice>
#include <QPen>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QRegion>
#include <QString>

#include <algorithm>
#include <cmath>

#include "platform/fonts.h"
#include "platform/text_picture.h"

namespace {

QColor ToQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

// A one-pixel pen; its square cap paints both ends of a line. On a screen
// with several device pixels to a logical one it is one logical pixel wide.
QPen ThinPen(const Rgb& rgb, double deviceRatio) {
    QPen pen(ToQColor(rgb), deviceRatio > 1 ? 1.0 : 0.0);
    pen.setCapStyle(Qt::SquareCap);
    return pen;
}

int Sign(int value) { return (value > 0) - (value < 0); }

// Qt angles are sixteenths of a degree.
int Sixteenths(double degrees) { return static_cast<int>(std::lround(degrees * 16)); }

struct ItemDrawer {
    QPainter& painter;
    double deviceRatio;
    // A one-pixel pen at a whole coordinate paints the pixel right of and
    // below it; a wider pen is centred on it, so it goes to the pixel's middle.
    double centre = deviceRatio > 1 ? 0.5 : 0.0;

    void Line(int x1, int y1, int x2, int y2) const {
        if (centre == 0) painter.drawLine(x1, y1, x2, y2);
        else painter.drawLine(QPointF(x1 + centre, y1 + centre), QPointF(x2 + centre, y2 + centre));
    }

    // Qt's flat cap leaves out whichever end lies further right or down, so
    // the end point is taken off here instead: the line keeps its start point
    // and loses its end point in either direction, and a line of no length
    // paints nothing. A level or upright line just stops one pixel short; a
    // slanting one is drawn whole with its end pixel clipped away.
    void operator()(const OverlayLine& line) const {
        const int dx = line.x2 - line.x1, dy = line.y2 - line.y1;
        if (dx == 0 && dy == 0) return;
        painter.setPen(ThinPen(line.colour, deviceRatio));
        if (dx == 0 || dy == 0) {
            Line(line.x1, line.y1, line.x2 - Sign(dx), line.y2 - Sign(dy));
            return;
        }
        // Qt cuts a line against the clip's bounding rectangle before it steps
        // along it, which would move its pixels; a margin of one pixel keeps
        // that rectangle clear of the line.
        const QRect around = QRect(QPoint(line.x1, line.y1), QPoint(line.x2, line.y2))
                                 .normalized()
                                 .adjusted(-1, -1, 1, 1);
        painter.save();
        painter.setClipRegion(QRegion(around) - QRegion(line.x2, line.y2, 1, 1), Qt::IntersectClip);
        Line(line.x1, line.y1, line.x2, line.y2);
        painter.restore();
    }

    void operator()(const OverlayArc& arc) const {
        painter.setPen(ThinPen(arc.colour, deviceRatio));
        const QRectF square(arc.left + centre, arc.top + centre, static_cast<double>(arc.right) - arc.left,
                            static_cast<double>(arc.bottom) - arc.top);
        painter.drawArc(square, Sixteenths(ArcStartDegrees(arc)), Sixteenths(ArcSweepDegrees(arc)));
    }

    // Through a 32-bit picture: drawn straight onto a 16-bit screen the
    // unsmoothed glyphs lose rows to a spot half the client width away.
    void operator()(const OverlayText& text) const {
        painter.drawImage(text.x, text.y,
                          TextPicture(QString::fromStdString(text.text), painter.font(),
                                      ToQColor(text.colour), deviceRatio));
    }
};

}  // namespace

// Without antialiasing every pixel of a text has exactly its chosen colour.
QFont OverlayFont() {
    QFont font = platform::MakeFont(platform::kFixedGothic, 10);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

int OverlayLineHeight(const QFont& font) {
    const QFontMetrics metrics(font);
    return metrics.height() + std::max(0, metrics.leading());
}

void DrawOverlay(QPainter& painter, const std::vector<OverlayItem>& items) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackgroundMode(Qt::TransparentMode);
    const double deviceRatio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
    const ItemDrawer drawer{painter, deviceRatio};
    for (const OverlayItem& item : items) std::visit(drawer, item);
    painter.restore();
}

namespace {

// Draws in the overlay's font what geometry lists for the view at (originX,
// originY), leaving the painter as it was.
template <class Geometry>
void DrawInOverlayFont(QPainter& painter, int originX, int originY, Geometry geometry) {
    const QFont font = OverlayFont();
    const std::vector<OverlayItem> items = geometry(OverlayView{originX, originY, OverlayLineHeight(font)});
    if (items.empty()) return;
    painter.save();
    painter.setFont(font);
    DrawOverlay(painter, items);
    painter.restore();
}

}  // namespace

void DrawSampleOverlay(QPainter& painter, const SampleTable& table, const CalcState& calc,
                       int originX, int originY, const ColourNumbers& colours) {
    DrawInOverlayFont(painter, originX, originY,
                      [&](const OverlayView& view) { return OverlayGeometry(table, calc, view, colours); });
}

void DrawKnownPoints(QPainter& painter, const std::vector<std::array<int, 2>>& dots, int originX, int originY,
                     const ColourNumbers& colours) {
    DrawInOverlayFont(painter, originX, originY,
                      [&](const OverlayView& view) { return KnownPointsGeometry(dots, view, colours); });
}
