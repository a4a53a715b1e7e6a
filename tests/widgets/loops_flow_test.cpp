// A section with a hole entered as a user does, under the offscreen
// platform: clicks round the outer loop, "穴・部品の追加" from the edit
// window's menu, clicks round the hole, then the calculation; the result
// box shows the area without the hole and the viewer draws each loop closed.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include <memory>

#include "app/app_context.h"
#include "data/calc_driver.h"
#include "data/edit_data.h"
#include "dialogs/colour_table.h"
#include "res/ids.h"
#include "support/viewer_fixture.h"
#include "viewer/gazo_view.h"
#include "viewer/overlay_geometry.h"

namespace {

SampleTable& Table() { return App().sampleTable; }

}  // namespace

class LoopsFlowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ViewerTestWorld> world;
    CGazoView* viewer = nullptr;
    CEditData* edit = nullptr;

    void Click(int x, int y) { QTest::mouseClick(viewer->client(), Qt::LeftButton, {}, QPoint(x, y)); }
    void Press(int id) { qobject_cast<QPushButton*>(edit->Control(id))->click(); }
    // The edit window's menu item with this command, as the user picks it.
    QAction* MenuAction(int id) {
        for (QAction* action : edit->findChildren<QAction*>())
            if (action->data().toInt() == id) return action;
        return nullptr;
    }

private slots:
    void init() {
        world = std::make_unique<ViewerTestWorld>();
        viewer = OpenViewer(world->main, 0, 200, 150);
        QVERIFY(viewer != nullptr);
        edit = App().registry.editWindow;
        QVERIFY(edit != nullptr);
    }

    void cleanup() {
        if (world && App().registry.editWindow) App().registry.editWindow->close();
        ProcessDeferredDeletes();
        world.reset();
        ProcessDeferredDeletes();
    }

    void outerLoopThenAHoleGiveTheAreaWithoutTheHole() {
        Press(IDC_SAMPLING_START);
        for (auto [x, y] : {std::pair{20, 20}, {180, 20}, {180, 120}, {20, 120}})
            Click(x, y);
        QAction* addLoop = MenuAction(ID_ADD_LOOP);
        QVERIFY(addLoop != nullptr);
        QCOMPARE(addLoop->text(), QString::fromUtf8("穴・部品の追加 (&H)"));
        addLoop->trigger();
        QCOMPARE(Table().count, 5);
        QCOMPARE(Table().rows[4].type, 9);
        QCOMPARE(edit->cell(4, 0)->text(), QString("9"));
        QCOMPARE(edit->cell(4, 1)->text().trimmed(), QString());
        // The hole, clicked the other way round.
        for (auto [x, y] : {std::pair{60, 50}, {60, 90}, {140, 90}, {140, 50}})
            Click(x, y);
        QCOMPARE(Table().count, 9);
        QVERIFY(world->boxes.calls.empty());

        Press(IDC_CALCULATE);
        QVERIFY(world->boxes.calls.empty());
        QCOMPARE(Table().workState, int(WS_CALCULATED));
        const double area = 160 * 100 - 80 * 40;
        QCOMPARE(App().calc.results.shown.A, area);
        QCOMPARE(App().calc.results.shown.L, 520.0 + 240.0);
        const std::string areaLine = ResultBoxLines(App().calc.results, Table().workState)[1];
        QVERIFY2(areaLine.find("A =   12800.00") != std::string::npos, areaLine.c_str());

        // Each loop drawn closed: no line joins a point of one loop to the other.
        int lines = 0;
        for (const OverlayItem& item :
             OverlayGeometry(Table(), App().calc, {0, 0, 13}, DEFAULT_COLOUR_NUMBERS)) {
            const auto* line = std::get_if<OverlayLine>(&item);
            if (line == nullptr || line->colour != OverlayColour(DEFAULT_COLOUR_NUMBERS, COLOUR_SEGMENT))
                continue;
            ++lines;
            const bool outer1 = line->x1 == 20 || line->x1 == 180, outer2 = line->x2 == 20 || line->x2 == 180;
            QCOMPARE(outer1, outer2);
        }
        QCOMPARE(lines, 8);
    }

    void theExplanationNamesTheBreakAndKeepsClearOfTheNextOne() {
        const QWidget* types = edit->Control(IDC_EXPLAIN_LAST);
        const QWidget* below = edit->Control(IDC_EXPLAIN_FIRST);
        QVERIFY(types != nullptr && below != nullptr);
        QVERIFY(qobject_cast<const QLabel*>(types)->text().contains(QString::fromUtf8("=9 -- 穴・部品")));
        QVERIFY2(types->geometry().bottom() < below->geometry().top(),
                 qPrintable(
                     QStringLiteral("%1 / %2").arg(types->geometry().bottom()).arg(below->geometry().top())));
    }
};

QTEST_MAIN(LoopsFlowTest)
#include "loops_flow_test.moc"
