// A grid cell on its own, with a host that records what the cell tells it:
// which keys become commands, which characters stay, and what clicks and
// focus changes report.
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include <tuple>
#include <vector>

#include "data/my_edit_control.h"
#include "res/ids.h"

namespace {

class RecordingHost final : public CellHost {
public:
    bool OnCommand(int id, std::intptr_t value) override {
        commands.emplace_back(id, value);
        return true;
    }
    bool CaretMode() const override { return caretMode; }
    void OnCellFocusIn(int line, int column) override { events.emplace_back('I', line, column); }
    void OnCellFocusOut(int line, int column) override { events.emplace_back('O', line, column); }
    void OnCellPressed(int line, int column) override { events.emplace_back('P', line, column); }
    void OnCellReleased(int line, int column, bool inside) override {
        events.emplace_back(inside ? 'R' : 'r', line, column);
    }

    bool caretMode = false;
    std::vector<std::pair<int, std::intptr_t>> commands;
    std::vector<std::tuple<char, int, int>> events;
};

}  // namespace

class MyEditControlTest : public QObject {
    Q_OBJECT

private:
    RecordingHost* host = nullptr;
    QWidget* window = nullptr;
    CMyEditControl* cell = nullptr;
    CMyEditControl* other = nullptr;

private slots:
    void init() {
        host = new RecordingHost;
        window = new QWidget;
        cell = new CMyEditControl(*host, 3, 1, window);
        other = new CMyEditControl(*host, 3, 2, window);
        cell->setGeometry(10, 10, 80, 20);
        other->setGeometry(90, 10, 80, 20);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        cell->setFocus();
        QTRY_VERIFY(cell->hasFocus());
        host->events.clear();
    }

    void cleanup() {
        delete window;
        delete host;
    }

    void identifierAndLook() {
        QCOMPARE(cell->cellId(), 10301);
        QVERIFY(cell->alignment() & Qt::AlignRight);
        QVERIFY(cell->hasFrame());
    }

    void onlyNumberCharactersAreTyped() {
        QTest::keyClicks(cell, "1a2,E-x5. +e");
        QCOMPARE(cell->text(), QString("12E-5. +e"));
        QTest::keyClick(cell, Qt::Key_Backspace);
        QCOMPARE(cell->text(), QString("12E-5. +"));
        for (const char* wide : {"１", "あ"}) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8(wide));
            QApplication::sendEvent(cell, &press);
        }
        QCOMPARE(cell->text(), QString("12E-5. +"));
        QVERIFY(host->commands.empty());
    }

    void navigationKeysBecomeCommandsWithTheCellId() {
        QTest::keyClick(cell, Qt::Key_Return);
        QTest::keyClick(cell, Qt::Key_Tab);
        QTest::keyClick(cell, Qt::Key_Tab, Qt::ShiftModifier);
        QTest::keyClick(cell, Qt::Key_Up);
        QTest::keyClick(cell, Qt::Key_Down);
        QTest::keyClick(cell, Qt::Key_Left);
        QTest::keyClick(cell, Qt::Key_Right);
        QTest::keyClick(cell, Qt::Key_Escape);
        QTest::keyClick(cell, Qt::Key_PageUp);
        QTest::keyClick(cell, Qt::Key_PageDown);
        const std::vector<std::pair<int, std::intptr_t>> expected = {
            {ID_KEY_ENTER, 10301}, {ID_KEY_TAB, 10301},  {ID_KEY_SHIFT_TAB, 10301},
            {ID_KEY_UP, 10301},    {ID_KEY_DOWN, 10301}, {ID_KEY_LEFT, 10301},
            {ID_KEY_RIGHT, 10301}, {ID_KEY_ESCAPE, 10301}, {ID_KEY_PAGE_UP, 0},
            {ID_KEY_PAGE_DOWN, 0},
        };
        QVERIFY(host->commands == expected);
        // Tab did not move the focus by itself.
        QVERIFY(cell->hasFocus());
    }

    void caretModeKeepsLeftAndRightInTheCell() {
        cell->SetCellText("1234");
        cell->setCursorPosition(4);
        host->caretMode = true;
        QTest::keyClick(cell, Qt::Key_Left);
        QTest::keyClick(cell, Qt::Key_Left);
        QCOMPARE(cell->cursorPosition(), 2);
        QTest::keyClick(cell, Qt::Key_Right);
        QCOMPARE(cell->cursorPosition(), 3);
        QVERIFY(host->commands.empty());
    }

    void controlKeysAreRowCommandsAndPastingDoesNothing() {
        QApplication::clipboard()->setText("999");
        cell->SetCellText("12");
        QTest::keyClick(cell, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::keyClick(cell, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(cell->text(), QString("12"));
        QVERIFY(host->commands.empty());
        QTest::keyClick(cell, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_D, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_I, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_P, Qt::ControlModifier);
        // Undo and redo are the window's: the cell's own undo does not run.
        QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(cell, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClick(cell, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(cell->text(), QString("12"));
        const std::vector<std::pair<int, std::intptr_t>> expected = {
            {ID_ROW_COPY, 10301}, {ID_ROW_DELETE, 10301}, {ID_ROW_INSERT, 10301}, {ID_ROW_PASTE, 10301},
            {ID_UNDO, 10301},     {ID_REDO, 10301},       {ID_REDO, 10301}};
        QVERIFY(host->commands == expected);
        QCOMPARE(cell->text(), QString("12"));
    }

    void undoRestoresTheTextBeforeTheLastChange() {
        cell->SetCellText("     100");
        cell->selectAll();
        QTest::keyClicks(cell, "15");
        QCOMPARE(cell->text(), QString("15"));
        cell->undo();
        QCOMPARE(cell->text(), QString("     100"));
        // Setting a text leaves nothing to undo.
        cell->SetCellText("7");
        cell->undo();
        QCOMPARE(cell->text(), QString("7"));
    }

    void clicksAndFocusAreReported() {
        QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(other->hasFocus());
        using E = std::tuple<char, int, int>;
        const std::vector<E> expected = {E{'O', 3, 1}, E{'I', 3, 2}, E{'P', 3, 2}, E{'R', 3, 2}};
        QVERIFY(host->events == expected);
        // A middle click neither pastes nor reports.
        host->events.clear();
        QTest::mouseClick(other, Qt::MiddleButton, {}, QPoint(5, 5));
        QVERIFY(host->events.empty());
        QCOMPARE(other->text(), QString());
    }
};

QTEST_MAIN(MyEditControlTest)
#include "my_edit_control_test.moc"
