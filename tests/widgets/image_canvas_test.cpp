// The viewer's canvas on its own, with no window, menu or table around it:
// what it reports of the presses, what it paints and hands to the overlay,
// the ring of tiles it renders when idle, and a scale it cannot show.
#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QtTest>

#include <utility>
#include <vector>

#include "app/app_context.h"
#include "image/view_image.h"
#include "support/viewer_fixture.h"
#include "viewer/image_canvas.h"

namespace {

class RecordingHooks : public CanvasHooks {
public:
    void PaintOver(QPainter& painter, int originX, int originY) override {
        origins.emplace_back(originX, originY);
        painter.fillRect(originX + 5, originY + 5, 1, 1, Qt::black);
    }
    void LeftPress(QPoint client, QPoint dot) override { presses.emplace_back(client, dot); }

    std::vector<QPoint> origins;
    std::vector<std::pair<QPoint, QPoint>> presses;
};

QRgb TestPixel(int x, int y) { return qRgb(TestRed(x, y), TestGreen(x, y), TestBlue(x, y)); }

void Press(QWidget* client, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent event(type, QPointF(at), client->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
    QApplication::sendEvent(client, &event);
}

}  // namespace

class ImageCanvasTest : public QObject {
    Q_OBJECT

private:
    ScopedAppContext context;
    RecordingHooks hooks;
    int lastDepth = 0;
    std::unique_ptr<ImageCanvas> canvas;

    void Open(int width, int height) {
        const CViewImage* view = PutTestImage(0, width, height);
        canvas = std::make_unique<ImageCanvas>(nullptr, hooks, [this]() -> int& { return lastDepth; });
        canvas->resize(220, 170);
        canvas->SetImage(&view->image);
        QVERIFY(canvas->Rerender(1.0));
        canvas->ResetScrolling(1.0);
        canvas->show();
    }

private slots:
    void cleanup() {
        canvas.reset();
        hooks = RecordingHooks();
    }

    void everyLeftPressReportsTheDotUnderThePointer() {
        Open(40, 30);
        QVERIFY(canvas->ScrollByKey(Qt::Key_Right));  // the image one dot to the left
        QVERIFY(!canvas->ScrollByKey(Qt::Key_Home));
        QWidget* client = canvas->client();
        Press(client, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton);
        Press(client, QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton);
        Press(client, QEvent::MouseButtonPress, {12, 3}, Qt::RightButton);
        QCOMPARE(hooks.presses.size(), std::size_t(2));
        QCOMPARE(hooks.presses[0].first, QPoint(10, 10));
        QCOMPARE(hooks.presses[0].second, QPoint(11, 10));
        QCOMPARE(hooks.presses[1].second, QPoint(11, 10));
        // A middle press starts a drag, not a click.
        Press(client, QEvent::MouseButtonPress, {20, 20}, Qt::MiddleButton);
        Press(client, QEvent::MouseButtonRelease, {20, 20}, Qt::MiddleButton);
        QCOMPARE(hooks.presses.size(), std::size_t(2));
    }

    void paintsTheTilesThenTheOverlayAtTheOrigin() {
        Open(40, 30);
        QVERIFY(canvas->ScrollByKey(Qt::Key_Down));
        const QImage shot = canvas->client()->grab().toImage();
        QCOMPARE(hooks.origins.back(), QPoint(0, -1));
        QCOMPARE(shot.pixel(0, 0), TestPixel(0, 1));
        QCOMPARE(shot.pixel(39, 28), TestPixel(39, 29));
        QCOMPARE(shot.pixel(5, 4), qRgb(0, 0, 0));  // the overlay, over the picture
        QCOMPARE(shot.pixel(45, 5), canvas->client()->palette().color(QPalette::Window).rgb());
        QVERIFY(lastDepth > 0);  // the screen's depth is kept for the program
    }

    void rendersTheRingAroundTheShownTilesWhenIdle() {
        // 1000 x 800 at 100 %: one tile under the client, a ring of three
        // more at the picture's corner once the window is idle.
        Open(1000, 800);
        canvas->client()->grab();
        QTRY_COMPARE(canvas->tiles().tileCount(), std::size_t(4));
        QVERIFY(canvas->tiles().heldBytes() <= ImageCanvas::TILE_BUDGET);
    }

    void aScaleItCannotShowChangesNothingAndAClearedDisplayShowsNone() {
        Open(65535, 4);
        QVERIFY(!canvas->Rerender(1600.0));  // 104,856,000 dots wide
        QCOMPARE(canvas->display().width, 65535);
        QCOMPARE(canvas->renderedScale(), 1.0);
        canvas->ClearDisplay();
        QCOMPARE(canvas->display().width, 0);
        const QImage shot = canvas->client()->grab().toImage();
        QCOMPARE(shot.pixel(1, 1), canvas->client()->palette().color(QPalette::Window).rgb());
        QCOMPARE(canvas->tiles().tileCount(), std::size_t(0));
    }
};

QTEST_MAIN(ImageCanvasTest)
#include "image_canvas_test.moc"
