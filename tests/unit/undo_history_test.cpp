// The table's undo history: every kind of change taken back and done
// again, the steps named, rows put back at the magnification of the moment.
// Clicks, keys, a correction's merged moves and the work state are driven
// through the windows in tests/widgets/undo_test.
#include <gtest/gtest.h>

#include "data/calc_state.h"
#include "data/setting_change.h"
#include "data/row_command.h"
#include "data/sampling_transitions.h"
#include "data/undo_history.h"
#include "platform/message_box_recorder.h"
#include "res/ids.h"
#include "res/texts_undo.h"

namespace {

struct Fixture {
    SampleTable table;
    UndoHistory history{table};
    double magnification = 1.0;

    Fixture() {
        history.SetMagnificationSource([this] { return magnification; });
    }
    void Click(int x, int y) {
        UndoRecord record(history, ChangeKind::AddPoint);
        table.AddPoint(x, y);
    }
    std::vector<int> Xs() const {
        std::vector<int> xs;
        for (int i = 0; i < table.count; ++i)
            xs.push_back(table.rows[i].x);
        return xs;
    }
};

}  // namespace

TEST(UndoHistory, ClicksUndoneAndRedoneAndANewChangeDropsTheRedo) {
    Fixture f;
    int heard = 0, restoredHeard = 0;
    f.history.AddListener([&](bool restored) { ++heard, restoredHeard += restored; });
    for (int i = 1; i <= 10; ++i)
        f.Click(i * 10, i);
    EXPECT_EQ(f.history.Count(), 10);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(f.history.Undo());
    EXPECT_EQ(f.table.count, 7);
    EXPECT_TRUE(f.history.Redo());
    EXPECT_EQ(f.Xs(), (std::vector<int>{10, 20, 30, 40, 50, 60, 70, 80}));
    EXPECT_EQ(f.history.UndoText().toStdString(), texts_undo::CHANGE_ADD_POINT);
    EXPECT_EQ(heard, 14);
    EXPECT_EQ(restoredHeard, 4);

    f.Click(1, 1);
    EXPECT_FALSE(f.history.CanRedo());
    EXPECT_FALSE(f.history.Redo());
    // A change that changes nothing is no step.
    { UndoRecord nothing(f.history, ChangeKind::Cell); }
    EXPECT_EQ(f.history.Count(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_TRUE(f.history.Undo());
    EXPECT_FALSE(f.history.Undo());
    EXPECT_EQ(f.table.count, 0);
}

TEST(UndoHistory, RowCommandsAndClearAreStepsNamedByKind) {
    platform::MessageBoxRecorder boxes;
    Fixture f;
    CalcState calc;
    for (int i = 1; i <= 4; ++i)
        f.Click(i, i);
    ApplyRowCommand(f.table, ID_ROW_DELETE, 1, nullptr, &f.history);
    EXPECT_EQ(f.history.UndoText().toStdString(), texts_undo::CHANGE_DELETE);
    ApplyRowCommand(f.table, ID_ROW_INSERT, 0, nullptr, &f.history);
    EXPECT_EQ(f.history.UndoText().toStdString(), texts_undo::CHANGE_INSERT);
    ApplyRowCommand(f.table, ID_ROW_PASTE, 0, nullptr, &f.history);
    EXPECT_EQ(f.history.UndoText().toStdString(), texts_undo::CHANGE_PASTE);
    EXPECT_EQ(f.Xs(), (std::vector<int>{2, 1, 3, 4}));
    // A copy changes no row: no step.
    const int steps = f.history.Count();
    ApplyRowCommand(f.table, ID_ROW_COPY, 0, nullptr, &f.history);
    EXPECT_EQ(f.history.Count(), steps);

    SamplingTransitions(f.table, calc, &f.history).Clear([](const Notice&) { return platform::IDYES; });
    EXPECT_EQ(f.table.count, 0);
    EXPECT_EQ(f.history.UndoText().toStdString(), texts_undo::CHANGE_CLEAR);
    f.history.Undo();
    EXPECT_EQ(f.Xs(), (std::vector<int>{2, 1, 3, 4}));
    f.history.Undo();  // the paste
    EXPECT_EQ(f.table.rows[0].type, 0);
    f.history.Undo();  // the insert
    f.history.Undo();  // the delete
    EXPECT_EQ(f.Xs(), (std::vector<int>{1, 2, 3, 4}));
    f.history.Redo();
    EXPECT_EQ(f.Xs(), (std::vector<int>{1, 3, 4}));
}

TEST(UndoHistory, RowsComeBackScaledToTheMagnificationOfTheMoment) {
    Fixture f;
    f.Click(100, 51);
    f.Click(200, 40);
    // The viewer doubles its magnification: every dot is rescaled.
    f.magnification = 2.0;
    f.table.ScaleCoords(2.0);
    f.history.Undo();
    ASSERT_EQ(f.table.count, 1);
    EXPECT_EQ(f.table.rows[0].x, 200);
    EXPECT_EQ(f.table.rows[0].y, 102);
    EXPECT_STREQ(f.table.rows[0].yText, "     102");
    f.magnification = 0.5;
    f.history.Redo();
    EXPECT_EQ(f.Xs(), (std::vector<int>{50, 100}));
    EXPECT_EQ(f.table.rows[0].y, 25);  // truncated toward zero, as a change of magnification does
}

TEST(UndoHistory, KeepsAtLeastAHundredStepsAndIgnoresChangesMadeWhileRestoring) {
    Fixture f;
    for (int i = 0; i < 150; ++i)
        f.Click(i, i);
    int undone = 0;
    while (f.history.Undo())
        ++undone;
    EXPECT_GE(undone, 100);
    EXPECT_EQ(undone, std::min(150, kUndoLevels));

    // A listener that records while a step is being put back adds nothing.
    Fixture g;
    g.Click(1, 1);
    g.history.AddListener([&](bool) {
        UndoRecord record(g.history, ChangeKind::Cell);
        EXPECT_FALSE(g.history.restoring());
    });
    g.history.Undo();
    EXPECT_TRUE(g.history.CanRedo());
}

TEST(UndoHistory, SettingChangeAppliesTheValueBackAndAgain) {
    Fixture f;
    double scale = 0.5;
    f.history.Push(new SettingChange(texts_undo::CHANGE_REAL_SCALE, [&] { scale = 0; }, [&] { scale = 0.5; }));
    EXPECT_EQ(scale, 0.5);  // the push does not apply it again
    EXPECT_EQ(f.history.UndoText().toStdString(), texts_undo::CHANGE_REAL_SCALE);
    f.history.Undo();
    EXPECT_EQ(scale, 0);
    f.history.Redo();
    EXPECT_EQ(scale, 0.5);
}
