#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "dialogs/color_def.h"
#include "dialogs/colour_table_layout.h"
#include "dialogs/colour_table_view.h"
#include "platform/fonts.h"
#include "platform/message_box_recorder.h"
#include "res/ids.h"

namespace {

QStringList FieldTexts(const CColorDef& dialog) {
    QStringList texts;
    for (int i = 0; i < CColorDef::FIELD_COUNT; ++i) texts << dialog.Field(i)->text();
    return texts;
}

void SetField(CColorDef& dialog, int index, const QString& text) {
    dialog.Field(index)->setText(text);
}

}  // namespace

class ColorDefTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { platform::InstallFontSubstitutions(); }

    void opensWithTheCurrentNumbersAndTheFirstFieldSelected() {
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        CColorDef dialog(numbers);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(FieldTexts(dialog), (QStringList{"2", "2", "6", "14", "13", "8"}));
        QCOMPARE(dialog.focusWidget(), dialog.Field(0));
        QCOMPARE(dialog.Field(0)->selectedText(), QString("2"));
        QCOMPARE(dialog.windowTitle(), QString("作画表示色設定"));
        for (int i = 0; i < CColorDef::FIELD_COUNT; ++i)
            QCOMPARE(dialog.Field(i)->objectName(), QString::number(CColorDef::FIELD_IDS[i]));
    }

    void badNumberStopsOkKeepingTheNumbersBeforeIt() {
        platform::MessageBoxRecorder boxes;
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        CColorDef dialog(numbers);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        SetField(dialog, 0, "5");
        SetField(dialog, 3, "20");
        SetField(dialog, 5, "1");

        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QCOMPARE(boxes.calls.size(), std::size_t(1));
        QCOMPARE(QString::fromStdString(boxes.Last().text), QString("入力データ不良です"));
        QCOMPARE(QString::fromStdString(boxes.Last().title), QString("確認"));
        QVERIFY(dialog.isVisible());
        QCOMPARE(numbers, (ColourNumbers{5, 2, 6, 14, 13, 8}));
        QCOMPARE(dialog.focusWidget(), dialog.Field(3));  // back to the bad number

        // Cancel keeps what OK stored already.
        QVERIFY(dialog.OnCommand(ID_FRAMEWORK_CANCEL, 0));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(numbers, (ColourNumbers{5, 2, 6, 14, 13, 8}));
    }

    void textThatIsNotANumberIsRefusedLikeABadNumber() {
        platform::MessageBoxRecorder boxes;
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        CColorDef dialog(numbers);
        dialog.show();
        SetField(dialog, 0, "");
        QVERIFY(dialog.OnCommand(ID_FRAMEWORK_OK, 0));
        QCOMPARE(boxes.calls.size(), std::size_t(1));
        QVERIFY(dialog.isVisible());
        QCOMPARE(numbers, DEFAULT_COLOUR_NUMBERS);
    }

    void goodNumbersAreAllStoredAndCloseTheDialog() {
        platform::MessageBoxRecorder boxes;
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        CColorDef dialog(numbers);
        dialog.show();
        const QStringList typed{"0", "19", " 7", "+3", "12", "05"};
        for (int i = 0; i < typed.size(); ++i) SetField(dialog, i, typed[i]);
        QVERIFY(dialog.OnCommand(ID_FRAMEWORK_OK, 0));
        QVERIFY(boxes.calls.empty());
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(numbers, (ColourNumbers{0, 19, 7, 3, 12, 5}));
        QVERIFY(!dialog.OnCommand(ID_WINDOW_CLOSE, 0));
    }

    void keysMoveBetweenTheFieldsInTheirOrder() {
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        CColorDef dialog(numbers);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));

        QTest::keyClick(dialog.Field(0), Qt::Key_Up);
        QCOMPARE(dialog.focusWidget(), dialog.Field(0));
        QTest::keyClick(dialog.Field(0), Qt::Key_Tab);
        QCOMPARE(dialog.focusWidget(), dialog.Field(1));
        QCOMPARE(dialog.Field(1)->selectedText(), QString("2"));
        QTest::keyClick(dialog.Field(1), Qt::Key_Down);
        QCOMPARE(dialog.focusWidget(), dialog.Field(2));
        QTest::keyClick(dialog.Field(2), Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), dialog.Field(3));
        QCOMPARE(dialog.Field(3)->selectedText(), QString("14"));
        QTest::keyClick(dialog.Field(3), Qt::Key_Up);
        QCOMPARE(dialog.focusWidget(), dialog.Field(2));
        QTest::keyClick(dialog.Field(2), Qt::Key_Down);
        QTest::keyClick(dialog.Field(3), Qt::Key_Enter);
        QTest::keyClick(dialog.Field(4), Qt::Key_Tab);
        QCOMPARE(dialog.focusWidget(), dialog.Field(5));

        // In the last field Down stays and Enter goes to OK, without pressing it.
        QTest::keyClick(dialog.Field(5), Qt::Key_Down);
        QCOMPARE(dialog.focusWidget(), dialog.Field(5));
        QTest::keyClick(dialog.Field(5), Qt::Key_Return);
        QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.OkButton()));
        QVERIFY(dialog.isVisible());
    }

    void colourTableIsPaintedIntoTheFrame() {
        ColourNumbers numbers = DEFAULT_COLOUR_NUMBERS;
        CColorDef dialog(numbers);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        ColourTableView* view = dialog.TableView();
        QVERIFY(view->width() >= 200 && view->height() >= 40);
        const QImage image = view->grab().toImage();
        const auto cells = LayoutColourTable(view->width(), view->height());

        for (int entry : {0, 2, 7, 14, 19}) {
            const ColourTableCell& cell = cells[entry];
            const Rgb rgb = COLOUR_TABLE[entry];
            const QColor inside = image.pixelColor((cell.left + cell.right) / 2,
                                                   (cell.top + cell.bottom) / 2);
            QCOMPARE(inside, QColor(rgb.red, rgb.green, rgb.blue));
            // One-pixel black border: left..right-1, top..bottom-1.
            QCOMPARE(image.pixelColor(cell.left, (cell.top + cell.bottom) / 2), QColor(Qt::black));
            QCOMPARE(image.pixelColor(cell.right - 1, cell.top + 2), QColor(Qt::black));
            QCOMPARE(image.pixelColor(cell.left + 2, cell.bottom - 1), QColor(Qt::black));
            QVERIFY(image.pixelColor(cell.right, cell.top + 2) != QColor(Qt::black));
        }
    }
};

QTEST_MAIN(ColorDefTest)
#include "color_def_test.moc"
