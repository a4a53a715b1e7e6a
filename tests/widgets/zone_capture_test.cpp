// The screen zone from the main dialog: a released corner flashes the zone
// until its timer ends, also when "範囲" is pressed during the flash; a
// capture that fails before any edit window exists brings the dialog back.
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/zone_commands.h"
#include "res/ids.h"
#include "res/texts_capture.h"
#include "support/main_dialog_harness.h"

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
        QVERIFY(qobject_cast<QLabel*>(dialog->Control(IDC_ZONE_TEXT))->text().endsWith(QString::fromUtf8("Δ(21,21)")));

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

    void failedCaptureBringsTheDialogBack() {
        MainDialogHarness harness;
        const auto dialog = harness.Start();
        App().settings.zoneRect = {50, 60, 10, 20};  // only stored settings hold one inside out
        dialog->OnCommand(IDC_CUT_AND_VIEW);
        QCOMPARE(dialog->windowTitle(), QString::fromUtf8("DF処理待ち"));
        // Out of the way of the grab whether or not anything minimises it.
        QVERIFY(dialog->isHidden());
        dialog->OnTimer(CAPTURE_DELAY_TIMER);
        QCOMPARE(harness.boxes.calls.size(), std::size_t(2));
        QCOMPARE(harness.boxes.calls[0].text, std::string(texts::ZONE_BAD));
        QCOMPARE(harness.boxes.calls[1].text, std::string(texts::ZONE_CONVERT_FAILED));
        QCOMPARE(harness.boxes.calls[1].title, std::string("中断します"));
        QVERIFY(App().registry.editWindow == nullptr);
        QVERIFY(dialog->isVisible() && !dialog->isMinimized());
    }
};

QTEST_MAIN(ZoneCaptureTest)
#include "zone_capture_test.moc"
