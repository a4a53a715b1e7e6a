// The screen zone from the main dialog: a corner placed with the mouse and
// Ctrl, the flash and its end, the cut into a viewer, and a capture that
// fails before any edit window exists.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "app/zone_commands.h"
#include "data/edit_data.h"
#include "res/ids.h"
#include "res/texts_capture.h"
#include "support/main_dialog_harness.h"
#include "viewer/gazo_view.h"

namespace {

QString ZoneLine(const CVeldrioDlg& dialog) {
    return qobject_cast<QLabel*>(dialog.Control(IDC_ZONE_TEXT))->text();
}

}  // namespace

class ZoneCaptureTest : public QObject {
    Q_OBJECT

private slots:
    void startCornerWithCtrlFlashesTheZone() {
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        dialog->client()->grab();  // a repaint writes the zone line
        QCOMPARE(ZoneLine(*dialog), QString::fromUtf8("(   0,   0)-(   0,   0)  Δ(1,1)"));
        qobject_cast<QPushButton*>(dialog->Control(IDC_ZONE_START))->click();
        QVERIFY(dialog->zone().tracking());
        const QPoint at(30, 40);
        QTest::mousePress(dialog->client(), Qt::LeftButton, {}, at);
        const QPoint screen = dialog->client()->mapToGlobal(at);
        QTest::mouseRelease(dialog.get(), Qt::LeftButton, Qt::ControlModifier, dialog->mapFromGlobal(screen));
        QVERIFY(!dialog->zone().tracking());
        QCOMPARE(dialog->zone().releasePoint(), screen);
        const ZoneRect& zone = App().settings.zoneRect;
        QCOMPARE(QPoint(zone.right, zone.bottom), screen + QPoint(20, 20));
        QVERIFY(ZoneLine(*dialog).endsWith(QString::fromUtf8("Δ(21,21)")));
        QVERIFY(harness.boxes.calls.empty());

        // The flash covers the zone; "範囲" during it moves it, and the end
        // of the timer takes it away.
        QWidget* flash = dialog->zone().flash().window();
        QVERIFY(flash && flash->isVisible());
        QCOMPARE(flash->geometry(), QRect(screen, QSize(21, 21)));
        QVERIFY(dialog->zone().timerActive(ZONE_FLASH_TIMER));
        dialog->OnCommand(IDC_ZONE_FLASH);
        QVERIFY(dialog->zone().flashOn() && flash->isVisible());
        dialog->OnTimer(ZONE_FLASH_TIMER);
        QVERIFY(!dialog->zone().flashOn());
        QVERIFY(!flash->isVisible());
    }

    void cutAndViewOpensTheZoneInAViewer() {
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        App().settings.zoneRect = {5, 6, 14, 12};
        dialog->OnCommand(IDC_ZONE_FLASH);
        dialog->OnCommand(IDC_CUT_AND_VIEW);
        QVERIFY(!dialog->zone().flashOn());  // the picture is the screen's
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("DF処理待ち"));
        QVERIFY(dialog->zone().timerActive(CAPTURE_DELAY_TIMER));
        dialog->OnTimer(CAPTURE_DELAY_TIMER);
        QVERIFY(harness.boxes.calls.empty());
        CGazoView* viewer = App().registry.viewers[0];
        QVERIFY(viewer != nullptr);
        const CImageData& image = App().registry.viewImages[0]->image;
        QCOMPARE(image.width(), 10);
        QCOMPARE(image.height(), 7);
        QCOMPARE(image.kind(), IMG_CUT);
        QVERIFY(App().registry.editWindow != nullptr);
        QVERIFY(!dialog->isVisible());
    }

    void failedCaptureBringsTheDialogBack() {
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        // Only stored settings can hold a zone turned inside out.
        App().settings.zoneRect = {50, 60, 10, 20};
        dialog->OnCommand(IDC_CUT_AND_VIEW);
        dialog->OnTimer(CAPTURE_DELAY_TIMER);
        QCOMPARE(harness.boxes.calls.size(), std::size_t(2));
        QCOMPARE(harness.boxes.calls[0].text, std::string(texts::ZONE_BAD));
        QCOMPARE(harness.boxes.calls[1].text, std::string(texts::ZONE_CONVERT_FAILED));
        QCOMPARE(harness.boxes.calls[1].title, std::string("中断します"));
        QVERIFY(App().registry.editWindow == nullptr);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->isMinimized());
    }
};

QTEST_MAIN(ZoneCaptureTest)
#include "zone_capture_test.moc"
