// Undo and redo as a user works with them: sampling clicks in the viewer
// taken back and done again with the keys of either window, the edit
// window's menu items naming the step, a cell typed in and restored before
// the table is, a correction's moves taken back as one step.
#include <QApplication>
#include <QAction>
#include <QtTest>

#include <memory>

#include "app/app_context.h"
#include "data/calc_driver.h"
#include "data/edit_data.h"
#include "res/ids.h"
#include "support/paired_windows.h"
#include "viewer/gazo_view.h"

namespace {

SampleTable& Table() { return App().sampleTable; }

// The area a fresh session computes from these points.
double FreshArea(const std::vector<std::pair<int, int>>& points) {
    SampleTable table;
    CalcState calc;
    for (auto [x, y] : points)
        table.AddPoint(x, y);
    Calculate(table, calc, 1.0, nullptr);
    return calc.results.shown.A;
}

}  // namespace

class UndoTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PairedWindows> pair;
    CGazoView* viewer = nullptr;
    CEditData* edit = nullptr;

    void ViewerKey(Qt::Key key, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(viewer, key, mods); }
    // A key pressed in the edit window's current cell.
    void CellKey(Qt::Key key, Qt::KeyboardModifiers mods = {}) {
        QTest::keyClick(edit->cell(edit->grid().focusLine, edit->grid().focusColumn), key, mods);
    }
    QString MenuText(int id) { return pair->MenuAction(id)->text(); }
    // Rows of an earlier session, shown, with no step to undo.
    void Rows(std::initializer_list<std::pair<int, int>> points) {
        for (auto [x, y] : points)
            Table().AddPoint(x, y);
        edit->ShowLastRow();
        App().history.Clear();
    }

private slots:
    void init() {
        pair = std::make_unique<PairedWindows>();
        viewer = pair->viewer;
        edit = pair->edit;
        QVERIFY(viewer != nullptr && edit != nullptr);
    }

    void cleanup() { pair.reset(); }

    void tenClicksThreeUndosOneRedoGiveAFreshSessionsArea() {
        QCOMPARE(MenuText(ID_UNDO), QString::fromUtf8("元に戻す"));
        pair->Press(IDC_SAMPLING_START);
        std::vector<std::pair<int, int>> points;
        for (int i = 0; i < 10; ++i) {
            // Round a circle, clockwise on the screen.
            const double angle = 2 * 3.14159265358979 * i / 10;
            points.emplace_back(100 + int(60 * std::cos(angle)), 75 + int(60 * std::sin(angle)));
            pair->Click(points.back().first, points.back().second);
        }
        QCOMPARE(Table().count, 10);
        QCOMPARE(MenuText(ID_UNDO), QString::fromUtf8("元に戻す: 点の追加"));
        for (int i = 0; i < 3; ++i)
            ViewerKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Table().count, 7);
        QCOMPARE(edit->rowCountText(), QString("7 / 200"));
        QCOMPARE(MenuText(ID_REDO), QString::fromUtf8("やり直し: 点の追加"));
        // Redo in the edit window this time.
        CellKey(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(Table().count, 8);
        QCOMPARE(Table().workState, int(WS_SAMPLING));  // sampling goes on
        QVERIFY(pair->world->boxes.calls.empty());

        pair->Press(IDC_CALCULATE);
        points.resize(8);
        QCOMPARE(App().calc.results.shown.A, FreshArea(points));
        // An undo after a calculation: the results belong to older data.
        viewer->activateWindow();
        ViewerKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Table().workState, int(WS_MODIFIED));
        ViewerKey(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(Table().count, 8);
    }

    void aCellTypedInIsRestoredFirstThenTheTable() {
        Rows({{10, 10}, {50, 10}, {50, 40}});
        QTest::mouseClick(edit->cell(1, 1), Qt::LeftButton);
        CMyEditControl* cell = edit->cell(1, 1);
        cell->selectAll();
        QTest::keyClicks(cell, "77");
        CellKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(cell->text(), QString("      50"));  // the cell as Escape leaves it
        QCOMPARE(Table().rows[1].x, 50);
        QVERIFY(!App().history.CanUndo());

        cell->selectAll();
        QTest::keyClicks(cell, "77");
        CellKey(Qt::Key_Return);
        QCOMPARE(Table().rows[1].x, 77);
        QCOMPARE(MenuText(ID_UNDO), QString::fromUtf8("元に戻す: セルの入力"));
        CellKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Table().rows[1].x, 50);
        QCOMPARE(edit->cell(1, 1)->text(), QString("      50"));
    }

    void aRunOfCorrectionMovesIsOneStep() {
        Table().AddPoint(100, 80);
        Table().AddLoopBreak();
        Rows({{20, 30}});
        viewer->OnCommand(ID_CORRECTION_START, 0);
        pair->Click(100, 80);
        for (int i = 0; i < 3; ++i)
            ViewerKey(Qt::Key_Left, Qt::ControlModifier);
        ViewerKey(Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(Table().rows[0].x, 97);
        QCOMPARE(App().history.Count(), 1);
        ViewerKey(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(Table().rows[0].x, 100);
        QCOMPARE(Table().rows[0].y, 80);
        QVERIFY(viewer->correcting());  // still correcting, the same point picked
        QCOMPARE(edit->cell(1, 1)->text().trimmed(), QString());  // the loop break holds no point
        ViewerKey(Qt::Key_Right, Qt::ControlModifier);
        QCOMPARE(Table().rows[0].x, 101);
        viewer->OnCommand(ID_CORRECTION_END, 0);
        QCOMPARE(edit->cell(0, 1)->text(), QString("     101"));
    }
};

QTEST_MAIN(UndoTest)
#include "undo_test.moc"
