// The table's undo history: every kind of change taken back and done
// again, the steps named, rows put back at the magnification of the moment.
// Clicks, keys, a correction's merged moves and the work state are driven
// through the windows in tests/widgets/undo_test.
#include <gtest/gtest.h>

#include "data/calc_state.h"
#include "data/row_command.h"
#include "data/setting_change.h"
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

    Fixture() { history.SetMagnificationSource([this] { return magnification; }); }
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
    std::string UndoText() const { return history.UndoText().toStdString(); }
};

}  // namespace

TEST(UndoHistory, RowCommandsAndClearAreStepsNamedByKind) {
    platform::MessageBoxRecorder boxes;
    Fixture f;
    CalcState calc;
    for (int i = 1; i <= 4; ++i)
        f.Click(i, i);
    const std::pair<int, const char*> commands[] = {{ID_ROW_DELETE, texts_undo::CHANGE_DELETE},
                                                    {ID_ROW_INSERT, texts_undo::CHANGE_INSERT},
                                                    {ID_ROW_PASTE, texts_undo::CHANGE_PASTE},
                                                    {ID_ROW_COPY, texts_undo::CHANGE_PASTE}};  // a copy is no step
    for (auto [id, name] : commands) {
        ApplyRowCommand(f.table, id, id == ID_ROW_DELETE ? 1 : 0, nullptr, &f.history);
        EXPECT_EQ(f.UndoText(), name) << id;
    }
    EXPECT_EQ(f.Xs(), (std::vector<int>{2, 1, 3, 4}));
    SamplingTransitions(f.table, calc, &f.history).Clear([](const Notice&) { return platform::IDYES; });
    EXPECT_EQ(f.UndoText(), texts_undo::CHANGE_CLEAR);
    f.history.Undo();
    EXPECT_EQ(f.Xs(), (std::vector<int>{2, 1, 3, 4}));
    for (int i = 0; i < 3; ++i)
        f.history.Undo();  // the paste, the insert, the delete
    EXPECT_EQ(f.Xs(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(f.history.Count(), 8);
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
    EXPECT_EQ(undone, std::min(150, kUndoLevels));
    EXPECT_GE(undone, 100);

    // A listener that records while a step is being put back adds nothing.
    f.history.AddListener([&](bool) { UndoRecord record(f.history, ChangeKind::Cell); });
    f.history.Redo();
    EXPECT_TRUE(f.history.CanRedo());
    EXPECT_EQ(f.table.count, 1);
}

TEST(UndoHistory, NoChangeIsNoStepANewStepDropsTheRedoAndSettingsGoBackAndAgain) {
    Fixture f;
    f.Click(1, 1);
    { UndoRecord nothing(f.history, ChangeKind::Cell); }
    EXPECT_EQ(f.history.Count(), 1);
    double scale = 0.5;
    f.history.Push(new SettingChange(texts_undo::CHANGE_REAL_SCALE, [&] { scale = 0; }, [&] { scale = 0.5; }));
    EXPECT_EQ(scale, 0.5);  // the push does not apply it again
    f.history.Undo();
    EXPECT_EQ(scale, 0);
    f.history.Redo();
    EXPECT_EQ(scale, 0.5);
    f.history.Undo();
    f.Click(2, 2);
    EXPECT_FALSE(f.history.CanRedo());
    EXPECT_EQ(f.Xs(), (std::vector<int>{1, 2}));
}
