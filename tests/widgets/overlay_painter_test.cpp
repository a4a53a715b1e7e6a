#include <QImage>
#include <QPainter>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "platform/fonts.h"
#include "platform/message_box_recorder.h"
#include "support/pixel_probe.h"
#include "viewer/overlay_geometry.h"
#include "viewer/overlay_painter.h"

namespace {

const QColor WHITE(255, 255, 255);

QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(WHITE);
    return image;
}

QColor Pixel(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

QImage Draw(const std::vector<OverlayItem>& items, int width = 120, int height = 120) {
    QImage image = WhiteImage(width, height);
    QPainter painter(&image);
    painter.setFont(OverlayFont());
    DrawOverlay(painter, items);
    return image;
}

}  // namespace

class OverlayPainterTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void linesKeepTheirStartPointAndLoseTheirEndPoint() {
        const Rgb red{255, 0, 0};
        const QColor colour = ColourOf(red);
        const QPoint start(60, 60);
        for (const QPoint end : {QPoint(80, 60), QPoint(40, 60), QPoint(60, 80), QPoint(60, 40),
                                 QPoint(80, 75), QPoint(45, 80), QPoint(35, 50), QPoint(70, 30)}) {
            const QImage image = Draw({OverlayLine{start.x(), start.y(), end.x(), end.y(), red}});
            // The same pixels as Qt's whole line, less the end point.
            QImage whole = WhiteImage(image.width(), image.height());
            {
                QPainter painter(&whole);
                painter.setPen(QPen(colour, 0));
                painter.drawLine(start, end);
            }
            whole.setPixelColor(end, WHITE);
            const QString where = QString("to %1,%2").arg(end.x()).arg(end.y());
            QVERIFY2(image == whole, qPrintable(where));
            QVERIFY2(Pixel(image, start.x(), start.y()) == colour, qPrintable(where));
            const int length = std::max(std::abs(end.x() - start.x()), std::abs(end.y() - start.y()));
            QVERIFY2(CountColour(image, colour) == length, qPrintable(where));
        }
        // A line of no length paints nothing.
        const QImage image = Draw({OverlayLine{60, 60, 60, 60, red}});
        QCOMPARE(CountColour(image, colour), 0);
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
        QCOMPARE(CountColour(image, WHITE) + CountColour(image, bounds, ColourOf(blue)),
                 image.width() * image.height());
        QVERIFY(!bounds.isEmpty());
        const QFont font = OverlayFont();
        QCOMPARE(font.pixelSize(), platform::PointsToPixelHeight(10, platform::ScreenLogicalDpiY()));
        const int lineHeight = OverlayLineHeight(font);
        QVERIFY2(bounds.left() >= 40 && bounds.left() <= 42, qPrintable(QString::number(bounds.left())));
        QVERIFY(bounds.top() >= 30 && bounds.top() <= 30 + lineHeight / 2);
        QVERIFY(bounds.bottom() < 30 + lineHeight);
    }

    // A 16-bit screen's buffer once lost rows of the point numbers to a spot
    // half the client width away; the numbers must read as at 24 bits.
    void textsAreTheSameAtSixteenAndTwentyFourBits() {
        const Rgb red{255, 0, 0};  // exact in 5-6-5
        std::vector<OverlayItem> items;
        for (int n = 1; n <= 4; ++n)
            items.push_back(OverlayText{40 + 150 * (n - 1), 20 + 9 * n, std::to_string(n), red});
        QImage shown[2];
        const QImage::Format formats[2] = {QImage::Format_RGB16, QImage::Format_RGB888};
        for (int i = 0; i < 2; ++i) {
            QImage image(650, 80, formats[i]);
            image.fill(WHITE);
            {
                QPainter painter(&image);
                painter.setFont(OverlayFont());
                DrawOverlay(painter, items);
            }
            shown[i] = image.convertToFormat(QImage::Format_RGB32);
        }
        const QImage& sixteen = shown[0];
        const QImage& twentyFour = shown[1];
        QVERIFY(CountColour(twentyFour, ColourOf(red)) > 4 * 5);
        QCOMPARE(CountColour(sixteen, WHITE) + CountColour(sixteen, ColourOf(red)), 650 * 80);
        QVERIFY(sixteen == twentyFour);
    }

    void painterStateIsGivenBack() {
        platform::MessageBoxRecorder boxes;
        SampleTable table;
        table.AddPoint(20, 20);
        const CalcState calc;
        QImage image = WhiteImage(200, 200);
        QPainter painter(&image);
        const QPen pen(QColor(1, 2, 3), 5);
        const QFont font("Sans Serif", 31);
        painter.setPen(pen);
        painter.setFont(font);
        DrawSampleOverlay(painter, table, calc, 0, 0, DEFAULT_COLOUR_NUMBERS);
        QVERIFY(CountColour(image, TableColour(DEFAULT_COLOUR_NUMBERS[COLOUR_POINT_MARK])) > 0);
        QCOMPARE(painter.pen(), pen);
        QCOMPARE(painter.font(), font);
        QCOMPARE(painter.backgroundMode(), Qt::TransparentMode);
    }
};

QTEST_MAIN(OverlayPainterTest)
#include "overlay_painter_test.moc"
