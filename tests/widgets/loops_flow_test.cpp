// A section with a hole entered as a user does, under the offscreen
// platform: clicks round the outer loop, "穴・部品の追加" from the edit
// window's menu, clicks round the hole, then the calculation; the result
// box shows the area without the hole and the viewer draws each loop closed.
#include <QAction>
#include <QLabel>
#include <QtTest>

#include "app/app_context.h"
#include "data/calc_driver.h"
#include "data/edit_data.h"
#include "dialogs/colour_table.h"
#include "res/ids.h"
#include "support/paired_windows.h"
#include "viewer/overlay_geometry.h"

namespace {

SampleTable& Table() { return App().sampleTable; }

}  // namespace

class LoopsFlowTest : public QObject {
    Q_OBJECT

private slots:
    void outerLoopThenAHoleGiveTheAreaWithoutTheHole() {
        PairedWindows pair;
        QVERIFY(pair.edit != nullptr);
        // The explanation names the break and keeps clear of the text below it.
        const auto* types = qobject_cast<const QLabel*>(pair.edit->Control(IDC_EXPLAIN_LAST));
        QVERIFY(types->text().contains(QString::fromUtf8("=9 -- 穴・部品")));
        QVERIFY(types->geometry().bottom() < pair.edit->Control(IDC_EXPLAIN_FIRST)->geometry().top());

        pair.Press(IDC_SAMPLING_START);
        for (auto [x, y] : {std::pair{20, 20}, {180, 20}, {180, 120}, {20, 120}})
            pair.Click(x, y);
        QAction* addLoop = pair.MenuAction(ID_ADD_LOOP);
        QVERIFY(addLoop != nullptr);
        QCOMPARE(addLoop->text(), QString::fromUtf8("穴・部品の追加 (&H)"));
        addLoop->trigger();
        QCOMPARE(pair.edit->cell(4, 0)->text(), QString("9"));
        QCOMPARE(pair.edit->cell(4, 1)->text().trimmed(), QString());
        // The hole, clicked the other way round.
        for (auto [x, y] : {std::pair{60, 50}, {60, 90}, {140, 90}, {140, 50}})
            pair.Click(x, y);
        QCOMPARE(Table().count, 9);

        pair.Press(IDC_CALCULATE);
        QVERIFY(pair.world->boxes.calls.empty());
        const std::string areaLine = ResultBoxLines(App().calc.results, Table().workState)[1];
        QVERIFY2(areaLine.find("A =   12800.00") != std::string::npos, areaLine.c_str());
        QCOMPARE(App().calc.results.shown.L, 520.0 + 240.0);

        // Each loop drawn closed: no line joins a point of one loop to the other.
        int lines = 0;
        for (const OverlayItem& item :
             OverlayGeometry(Table(), App().calc, {0, 0, 13}, DEFAULT_COLOUR_NUMBERS)) {
            const auto* line = std::get_if<OverlayLine>(&item);
            if (line == nullptr || line->colour != OverlayColour(DEFAULT_COLOUR_NUMBERS, COLOUR_SEGMENT))
                continue;
            ++lines;
            QCOMPARE(line->x1 == 20 || line->x1 == 180, line->x2 == 20 || line->x2 == 180);
        }
        QCOMPARE(lines, 8);
    }
};

QTEST_MAIN(LoopsFlowTest)
#include "loops_flow_test.moc"
