// The screen grabber registered with the image-conversion library: a
// rectangle of a window on the (offscreen) screen, written as BMP and PNG.
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <cstring>

#include "image/bmp_loader.h"
#include "image/image_data.h"
#include "image/library_loaders.h"
#include "kivra/kivra.h"
#include "platform/screen_grabber.h"

class ScreenGrabberTest : public QObject {
    Q_OBJECT

    static void Fill(std::uint8_t* block, int left, int top, int width, int height) {
        std::memset(block, 0, KV_BLOCK_BYTES);
        const std::int32_t words[4] = {left, top, width, height};
        std::memcpy(block, words, sizeof words);
    }

private slots:
    void grabsWhatTheScreenShows() {
        platform::InstallScreenGrabber();
        QWidget window(nullptr, Qt::FramelessWindowHint);
        window.setAutoFillBackground(true);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, QColor(200, 30, 60));
        window.setPalette(palette);
        window.setGeometry(40, 50, 120, 90);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint corner = window.mapToGlobal(QPoint(0, 0));

        std::uint8_t rgb[10 * 8 * 3];
        if (platform::GrabScreenRectangle(corner.x() + 5, corner.y() + 5, 10, 8, rgb) < 0)
            QSKIP("this platform cannot read its screen");
        QCOMPARE(int(rgb[0]), 200);
        QCOMPARE(int(rgb[1]), 30);
        QCOMPARE(int(rgb[2]), 60);

        QTemporaryDir dir;
        std::uint8_t block[KV_BLOCK_BYTES];
        Fill(block, corner.x() + 10, corner.y() + 10, 16, 12);
        QVERIFY(kvRasterGrab(block) >= 0);
        const std::string bmp = dir.filePath("zone.bmp").toStdString();
        QVERIFY(kvRasterSave(bmp.c_str(), block) >= 0);
        CImageData image;
        QVERIFY(LoadBmpFile(image, bmp));
        QCOMPARE(image.width(), 16);
        QCOMPARE(image.height(), 12);
        QCOMPARE(int(image.pixels()[3 * (16 * 12 - 1)]), 200);

        Fill(block, corner.x(), corner.y(), 7, 5);
        QVERIFY(kvLosslessGrab(block) >= 0);
        const std::string png = dir.filePath("zone.png").toStdString();
        QVERIFY(kvLosslessSave(png.c_str(), block) >= 0);
        QVERIFY(LoadPngFile(image, png));
        QCOMPARE(image.width(), 7);
        QCOMPARE(int(image.pixels()[1]), 30);
        kvSetGrabber(nullptr, nullptr);
    }
};

QTEST_MAIN(ScreenGrabberTest)
#include "screen_grabber_test.moc"
