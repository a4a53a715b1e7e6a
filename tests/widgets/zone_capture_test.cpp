// The screen zone from the main dialog: a released corner flashes the zone
// until its timer ends, also when "範囲" is pressed during the flash; a
// capture that fails before any edit window exists (a zone inside out, an
// all-black grab in a Wayland session) brings the dialog back; a zone chosen
// in the desktop's own tool is set and cut from the picture it gave.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/zone_capture.h"
#include "app/zone_commands.h"
#include "image/view_image.h"
#include "res/ids.h"
#include "res/texts_capture.h"
#include "support/main_dialog_harness.h"

namespace {

// A screen that reads all black, as an X server in a Wayland session reads
// what it does not own.
ScreenSource BlackScreen() {
    ScreenSource screen = DesktopScreen();
    screen.grab = [](int, int, int width, int height, ScreenPicture& picture) {
        picture = {width, height, RasterBytes(std::size_t(width) * height * 3, 0)};
        return true;
    };
    return screen;
}

}  // namespace

class ZoneCaptureTest : public QObject {
    Q_OBJECT

private slots:
    void releasedCornerFlashesTheZoneUntilTheTimerEnds() {
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        qobject_cast<QPushButton*>(dialog->Control(IDC_ZONE_START))->click();
        QTest::mousePress(dialog->client(), Qt::LeftButton, {}, QPoint(30, 40));
        const QPoint screen = dialog->client()->mapToGlobal(QPoint(30, 40));
        QTest::mouseRelease(dialog.get(), Qt::LeftButton, Qt::ControlModifier, dialog->mapFromGlobal(screen));
        QVERIFY(!dialog->zone().tracking());
        QVERIFY(qobject_cast<QLabel*>(dialog->Control(IDC_ZONE_TEXT))
                    ->text()
                    .endsWith(QString::fromUtf8("Δ(21,21)")));

        QWidget* flash = dialog->zone().flash().window();
        QVERIFY(flash && flash->isVisible());
        QCOMPARE(flash->geometry(), QRect(screen, QSize(21, 21)));
        // A second flash during the first does not cancel it out.
        dialog->OnCommand(IDC_ZONE_FLASH);
        QVERIFY(flash->isVisible() && dialog->zone().timerActive(ZONE_FLASH_TIMER));
        dialog->OnTimer(ZONE_FLASH_TIMER);
        QVERIFY(!dialog->zone().flashOn() && !flash->isVisible());
        QVERIFY(harness.boxes.calls.empty());
    }

    void failedCaptureBringsTheDialogBack_data() {
        QTest::addColumn<QRect>("zone");
        QTest::addColumn<QByteArray>("session");
        QTest::addColumn<QString>("refusal");
        // Only stored settings hold a zone inside out.
        QTest::newRow("inside out") << QRect(QPoint(50, 60), QPoint(10, 20)) << QByteArray()
                                    << QString::fromUtf8(texts::ZONE_BAD);
        QTest::newRow("all black in a Wayland session")
            << QRect(QPoint(10, 20), QPoint(49, 49)) << QByteArray("wayland")
            << QString::fromUtf8(texts::ZONE_BITMAP_COPY_FAILED);
    }

    void failedCaptureBringsTheDialogBack() {
        QFETCH(QRect, zone);
        QFETCH(QByteArray, session);
        QFETCH(QString, refusal);
        if (!session.isEmpty()) qputenv("XDG_SESSION_TYPE", session);
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        dialog->zone().SetScreen(BlackScreen);
        App().settings.zoneRect = {zone.left(), zone.top(), zone.right(), zone.bottom()};
        dialog->OnCommand(IDC_CUT_AND_VIEW);
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("DF処理待ち"));
        // Out of the way of the grab whether or not anything minimises it.
        QVERIFY(dialog->isHidden());
        dialog->OnTimer(CAPTURE_DELAY_TIMER);
        qunsetenv("XDG_SESSION_TYPE");
        QCOMPARE(harness.boxes.calls.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(harness.boxes.calls[0].text + "/" + harness.boxes.calls[0].title),
                 refusal + QString::fromUtf8("/確認"));
        QCOMPARE(harness.boxes.calls[1].text, std::string(texts::ZONE_CONVERT_FAILED));
        QCOMPARE(harness.boxes.calls[1].title, std::string("中断します"));
        QVERIFY(App().registry.editWindow == nullptr);
        QVERIFY(dialog->isVisible() && !dialog->isMinimized());
    }

    void zoneChosenInTheDesktopsToolIsSetAndCut() {
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        App().settings.zoneRect = {100, 200, 110, 210};
        QImage picture(80, 60, QImage::Format_RGB32);
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                picture.setPixel(x, y, qRgb(x, y, 200));
        platform::PortalOutcome outcome = platform::PortalOutcome::Failed;
        dialog->zone().SetAreaPicker([&] {
            return platform::PortalPicture{outcome,
                                           outcome == platform::PortalOutcome::Taken ? picture : QImage()};
        });
        const auto zoneLine = [&] { return qobject_cast<QLabel*>(dialog->Control(IDC_ZONE_TEXT))->text(); };

        // No tool answers: the pointer grab takes over, as on plain X.
        qobject_cast<QPushButton*>(dialog->Control(IDC_ZONE_START))->click();
        QVERIFY(dialog->zone().tracking());
        dialog->zone().OnLeftButtonUp(QPoint(), false);
        QVERIFY(!dialog->zone().tracking());
        // The user gave up in the tool: nothing changes.
        outcome = platform::PortalOutcome::Cancelled;
        qobject_cast<QPushButton*>(dialog->Control(IDC_ZONE_END))->click();
        QVERIFY(!dialog->zone().tracking());
        QCOMPARE(zoneLine(), QString::fromUtf8("( 100, 200)-( 110, 210)  Δ(11,11)"));
        // A chosen area: the zone takes its size and keeps its start.
        outcome = platform::PortalOutcome::Taken;
        qobject_cast<QPushButton*>(dialog->Control(IDC_ZONE_START))->click();
        QVERIFY(!dialog->zone().tracking() && !dialog->zone().flashOn());
        QCOMPARE(zoneLine(), QString::fromUtf8("( 100, 200)-( 179, 259)  Δ(80,60)"));

        // The cut is the picture the tool gave, whatever the screen shows.
        dialog->zone().SetScreen(BlackScreen);
        dialog->OnCommand(IDC_CUT_AND_VIEW);
        dialog->OnTimer(CAPTURE_DELAY_TIMER);
        QVERIFY(harness.boxes.calls.empty());
        QVERIFY(App().registry.viewers[0] != nullptr);
        const CImageData& image = App().registry.viewImages[0]->image;
        QCOMPARE(QSize(image.width(), image.height()), QSize(80, 60));
        const std::uint8_t* last = image.pixels() + 3 * (80 * 60 - 1);
        QCOMPARE(QList<int>({last[0], last[1], last[2]}), QList<int>({79, 59, 200}));
    }
};

QTEST_MAIN(ZoneCaptureTest)
#include "zone_capture_test.moc"
