// The magnification dialog under the offscreen platform.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QtTest>

#include "res/ids.h"
#include "dialogs/ratio_def.h"

class RatioDefTest : public QObject {
    Q_OBJECT

    static QString Converted(CRatioDef& dialog) {
        return dialog.findChild<QLabel*>(QStringLiteral("ratioConverted"))->text();
    }
    static QString Shown(CRatioDef& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("ratioPercent"))->text();
    }
    static QScrollBar* Arrows(CRatioDef& dialog) {
        return dialog.findChild<QScrollBar*>(QStringLiteral("ratioArrows"));
    }

private slots:
    void showsPercentAndBothSizes() {
        CRatioDef dialog(nullptr, 100, 640, 480);
        QCOMPARE(dialog.windowTitle(), QString::fromUtf8("画像倍率指定"));
        QCOMPARE(Shown(dialog), QStringLiteral("100"));
        QCOMPARE(Converted(dialog), QStringLiteral("640 x 480"));
        QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("ratioSource"))->text(),
                 QStringLiteral("640 x 480"));
        // Shown, but out of reach of the mouse and of Tab.
        QVERIFY(!dialog.findChild<QLineEdit*>(QStringLiteral("ratioPercent"))->isEnabled());
        QCOMPARE(dialog.pos(), QPoint(600, 200));

        CRatioDef large(nullptr, 250, 640, 480);
        QCOMPARE(Converted(large), QStringLiteral("1600 x 1200"));
    }

    void outOfRangeStartIsHundred() {
        for (int percent : {0, -20, 2000, 2500}) {
            CRatioDef dialog(nullptr, percent, 10, 10);
            QCOMPARE(Shown(dialog), QStringLiteral("100"));
            QCOMPARE(dialog.percent(), 100);
        }
    }

    void arrowButtonsStepThePercentage() {
        CRatioDef dialog(nullptr, 150, 640, 480);
        dialog.show();
        QScrollBar* arrows = Arrows(dialog);
        arrows->triggerAction(QAbstractSlider::SliderSingleStepAdd);  // down arrow
        QCOMPARE(Shown(dialog), QStringLiteral("100"));
        arrows->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(Shown(dialog), QStringLiteral("90"));
        QCOMPARE(Converted(dialog), QStringLiteral("576 x 432"));
        // The percentage is left selected.
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("ratioPercent"));
        QCOMPARE(edit->selectedText(), QStringLiteral("90"));
        // The arrows keep working however often they are pressed.
        for (int i = 0; i < 3; ++i) arrows->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(Shown(dialog), QStringLiteral("200"));
        // Paging the bar changes nothing.
        arrows->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(Shown(dialog), QStringLiteral("200"));

        CRatioDef from190(nullptr, 190, 1, 1);
        Arrows(from190)->triggerAction(QAbstractSlider::SliderSingleStepSub);
        QCOMPARE(Shown(from190), QStringLiteral("200"));
    }

    void hundredButtonAfterSteps() {
        CRatioDef dialog(nullptr, 100, 640, 480);
        for (int i = 0; i < 4; ++i) dialog.OnCommand(IDC_RATIO_ARROWS, -1);
        QCOMPARE(Shown(dialog), QStringLiteral("400"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ratio100")), Qt::LeftButton);
        QCOMPARE(Shown(dialog), QStringLiteral("100"));
        QCOMPARE(Converted(dialog), QStringLiteral("640 x 480"));
    }

    void okHandsOverEvenZero() {
        CRatioDef dialog(nullptr, 10, 640, 480);
        dialog.OnCommand(IDC_RATIO_ARROWS, 1);
        QCOMPARE(Shown(dialog), QStringLiteral("0"));
        QCOMPARE(Converted(dialog), QStringLiteral("0 x 0"));
        dialog.OnCommand(ID_FRAMEWORK_OK, 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.percent(), 0);
    }

    void cancelEndsWithCancel() {
        CRatioDef dialog(nullptr, 100, 640, 480);
        dialog.OnCommand(IDC_RATIO_ARROWS, -1);
        dialog.OnCommand(ID_FRAMEWORK_CANCEL, 0);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(RatioDefTest)
#include "ratio_def_test.moc"
