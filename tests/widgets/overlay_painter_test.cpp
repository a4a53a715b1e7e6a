#include <QImage>
#include <QPainter>
#include <QtTest>

#include <cmath>
#include <vector>

#include "data/calc_driver.h"
#include "data/calc_state.h"
#include "data/sample_table.h"
#include "platform/fonts.h"
#include "platform/message_box_recorder.h"
#include "viewer/overlay_geometry.h"
#include "viewer/overlay_painter.h"

namespace {

const QColor WHITE(255, 255, 255);

QColor ColourOf(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }
QColor TableColour(int number) { return ColourOf(COLOUR_TABLE[static_cast<std::size_t>(number)]); }

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(WHITE);
    return image;
}

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// Pixels of the colour inside the rectangle.
int CountColour(const QImage& image, const QRect& area, const QColor& colour) {
    int n = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (image.pixelColor(x, y) == colour) ++n;
    return n;
}

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

QImage Draw(const std::vector<OverlayItem>& items, int width = 120, int height = 120) {
    QImage image = WhiteImage(width, height);
    QPainter painter(&image);
    painter.setFont(OverlayFont());
    DrawOverlay(painter, items);
    return image;
}

struct Outline {
    platform::MessageBoxRecorder boxes;
    SampleTable table;
    CalcState calc;

    explicit Outline(const std::vector<std::array<int, 3>>& rows) {
        for (auto [type, x, y] : rows) {
            table.AddPoint(x, y);
            table.rows[static_cast<std::size_t>(table.count - 1)].type = type;
        }
    }

    QImage Paint(const ColourNumbers& colours, int originX = 0, int originY = 0) const {
        QImage image = WhiteImage(240, 200);
        QPainter painter(&image);
        PaintOverlay(painter, table, calc, originX, originY, colours);
        return image;
    }
};

}  // namespace

class OverlayPainterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void linesKeepTheirStartPointInEveryDirection() {
        const Rgb red{255, 0, 0};
        const QColor colour = ColourOf(red);
        const QPoint centre(60, 60);
        for (const QPoint end : {QPoint(80, 60), QPoint(40, 60), QPoint(60, 80), QPoint(60, 40),
                                 QPoint(80, 75), QPoint(45, 80), QPoint(35, 50), QPoint(70, 30)}) {
            const QImage image = Draw({OverlayLine{centre.x(), centre.y(), end.x(), end.y(), red}});
            const QString where = QString("to %1,%2").arg(end.x()).arg(end.y());
            QVERIFY2(Pixel(image, centre.x(), centre.y()) == colour, qPrintable(where));
            QVERIFY2(Pixel(image, end.x(), end.y()) == WHITE, qPrintable(where));
            const int length = std::max(std::abs(end.x() - 60), std::abs(end.y() - 60));
            QVERIFY2(CountColour(image, image.rect(), colour) == length, qPrintable(where));
        }
        // A line of no length paints nothing.
        const QImage image = Draw({OverlayLine{60, 60, 60, 60, red}});
        QCOMPARE(CountColour(image, image.rect(), colour), 0);
    }

    void arcRunsCounterClockwiseFromStartToEnd() {
        const Rgb green{30, 224, 20};
        // The circle in (20, 20)-(100, 100) from 3 o'clock up over 12 to 9 o'clock.
        const QImage image = Draw({OverlayArc{20, 20, 100, 100, 100, 60, 20, 60, green}});
        const QColor colour = ColourOf(green);
        QVERIFY(NearColour(image, 60, 20, colour));  // top of the circle
        QVERIFY(NearColour(image, 100, 59, colour));
        QVERIFY(NearColour(image, 20, 59, colour));
        QCOMPARE(CountColour(image, QRect(0, 70, 120, 50), colour), 0);  // the lower half stays empty
        QVERIFY(!NearColour(image, 60, 60, colour));
    }

    void textsHangBelowAndRightOfTheirPosition() {
        const Rgb blue{0, 0, 255};
        const QImage image = Draw({OverlayText{40, 30, "88", blue}});
        const QRect bounds = BoundsOfColour(image, ColourOf(blue));
        // Not antialiased: every pixel of the text has exactly its colour.
        QCOMPARE(CountColour(image, image.rect(), WHITE) + CountColour(image, bounds, ColourOf(blue)),
                 image.width() * image.height());
        QVERIFY(!bounds.isEmpty());
        const QFont font = OverlayFont();
        QCOMPARE(font.pixelSize(), platform::PointsToPixelHeight(10, platform::ScreenLogicalDpiY()));
        const int lineHeight = OverlayLineHeight(font);
        QVERIFY2(bounds.left() >= 40 && bounds.left() <= 42, qPrintable(QString::number(bounds.left())));
        QVERIFY(bounds.top() >= 30 && bounds.top() <= 30 + lineHeight / 2);
        QVERIFY(bounds.bottom() < 30 + lineHeight);
    }

    void calculatedOutlineShowsEachPartInItsColour() {
        // A right triangle, so that the principal axes run diagonally and
        // leave the centroid's cross arms visible.
        Outline outline({{1, 20, 20}, {1, 140, 20}, {1, 20, 140}});
        QVERIFY(RunCalculation(outline.table, outline.calc, 1.0, nullptr));
        const ColourNumbers colours{2, 11, 6, 14, 13, 8};
        const int ox = 30, oy = 10;
        const QImage image = outline.Paint(colours, ox, oy);

        // Point 2's cross above and below the outline's corner.
        QCOMPARE(Pixel(image, 140 + ox, 20 + oy - 3), TableColour(2));
        QCOMPARE(Pixel(image, 140 + ox, 20 + oy + 3), TableColour(2));
        // A segment's middle.
        QCOMPARE(Pixel(image, 80 + ox, 20 + oy), TableColour(14));
        QCOMPARE(Pixel(image, 20 + ox, 80 + oy), TableColour(14));
        // The hypotenuse, whose pixels the line's rasterisation may shift by one.
        QVERIFY(NearColour(image, 80 + ox, 80 + oy, TableColour(14)));
        // The centroid at (60, 60): its cross, off the diagonal axes.
        QCOMPARE(Pixel(image, 60 + ox, 60 + oy - 4), TableColour(6));
        QCOMPARE(Pixel(image, 60 + ox - 4, 60 + oy), TableColour(6));
        QVERIFY(CountColour(image, QRect(60 + ox + 5, 40 + oy, 20, 20 + 5), TableColour(6)) > 6);  // "C"
        // The numbers in their own colour, up and right of the points.
        QVERIFY(CountColour(image, QRect(20 + ox, 0, 20, 20 + oy), TableColour(11)) > 0);
        // Both axes.
        QVERIFY(CountColour(image, image.rect(), TableColour(13)) > 40);
        QVERIFY(CountColour(image, image.rect(), TableColour(8)) > 40);
    }

    void arcPassesThroughItsMiddlePoint() {
        // The top of a half-disc: an arc from (20, 60) over (70, 12) to (120, 60).
        Outline outline({{2, 20, 60}, {1, 70, 12}, {1, 120, 60}, {1, 120, 110}, {1, 20, 110}});
        QVERIFY(RunCalculation(outline.table, outline.calc, 1.0, nullptr));
        const QImage image = outline.Paint(DEFAULT_COLOUR_NUMBERS, 10, 20);
        const QColor segment = TableColour(14);
        QVERIFY(NearColour(image, 70 + 10, 12 + 20, segment));
        // Other points of the same circle on the drawn side, and none on the other.
        const double cx = outline.calc.segments[0].centreX, cy = outline.calc.segments[0].centreY;
        const double r = outline.calc.segments[0].radius;
        for (int degrees : {30, 60, 120, 150}) {
            const double t = degrees * M_PI / 180;
            const int x = static_cast<int>(std::lround(cx + r * std::cos(t))) + 10;
            const int y = static_cast<int>(std::lround(cy - r * std::sin(t))) + 20;
            QVERIFY2(NearColour(image, x, y, segment), qPrintable(QString::number(degrees)));
        }
        QVERIFY(!NearColour(image, static_cast<int>(cx) + 10, static_cast<int>(cy + r) + 20, segment));
    }

    void nothingWithoutRowsAndNoResultsUntilCalculated() {
        Outline outline({{1, 20, 20}, {1, 140, 20}, {1, 20, 140}});
        QVERIFY(RunCalculation(outline.table, outline.calc, 1.0, nullptr));
        outline.table.workState = WS_MODIFIED;
        QImage image = outline.Paint(DEFAULT_COLOUR_NUMBERS);
        QCOMPARE(CountColour(image, image.rect(), TableColour(14)), 0);
        QVERIFY(CountColour(image, image.rect(), TableColour(2)) > 0);

        outline.table.ClearTable();
        outline.table.workState = WS_CALCULATED;
        image = outline.Paint(DEFAULT_COLOUR_NUMBERS);
        QCOMPARE(CountColour(image, image.rect(), WHITE), image.width() * image.height());
    }

    void painterStateIsGivenBack() {
        Outline outline({{1, 20, 20}, {1, 140, 20}, {1, 20, 140}});
        QVERIFY(RunCalculation(outline.table, outline.calc, 1.0, nullptr));
        QImage image = WhiteImage(200, 200);
        QPainter painter(&image);
        const QPen pen(QColor(1, 2, 3), 5);
        const QFont font("Sans Serif", 31);
        painter.setPen(pen);
        painter.setFont(font);
        PaintOverlay(painter, outline.table, outline.calc, 0, 0, DEFAULT_COLOUR_NUMBERS);
        QCOMPARE(painter.pen(), pen);
        QCOMPARE(painter.font(), font);
        QCOMPARE(painter.backgroundMode(), Qt::TransparentMode);
    }
};

QTEST_MAIN(OverlayPainterTest)
#include "overlay_painter_test.moc"
