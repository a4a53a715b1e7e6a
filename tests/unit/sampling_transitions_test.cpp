// The edit window's four work buttons as plain transitions: what each does
// to the work state and the calculation, and what it asks the window to
// show again and tell the viewer.
#include <gtest/gtest.h>

#include "data/sampling_transitions.h"
#include "platform/message_box.h"

namespace {

struct Work {
    SampleTable table;
    CalcState calc;
    SamplingTransitions transitions{table, calc};

    void Square() {
        for (auto [x, y] : {std::pair{0, 0}, {20, 0}, {20, 20}, {0, 20}})
            table.AddPoint(x, y);
    }
};

}  // namespace

TEST(SamplingTransitions, StartTellsTheViewerOnlyWhenSamplingWasOffAndStopTheSame) {
    Work w;
    w.calc.sectionResults.values[OS_AREA] = 5;
    TransitionEffects start = w.transitions.Start();
    EXPECT_EQ(w.table.workState, WS_SAMPLING);
    EXPECT_EQ(start.samplingChanged, std::optional<bool>(true));
    EXPECT_EQ(w.calc.sectionResults.values[OS_AREA], 0);  // old results go
    EXPECT_TRUE(start.repaintViewer && start.updateButtons && start.repaintWindow);
    EXPECT_FALSE(start.refillGrid);

    // Again while sampling: no word to the viewer, the results zeroed all the same.
    w.calc.sectionResults.values[OS_AREA] = 5;
    start = w.transitions.Start();
    EXPECT_FALSE(start.samplingChanged.has_value());
    EXPECT_EQ(w.calc.sectionResults.values[OS_AREA], 0);

    TransitionEffects stop = w.transitions.Stop();
    EXPECT_TRUE(stop.done);
    EXPECT_EQ(w.table.workState, WS_IDLE);
    EXPECT_EQ(stop.samplingChanged, std::optional<bool>(false));
    EXPECT_TRUE(stop.refreshRowCount && stop.updateButtons);
    EXPECT_FALSE(stop.repaintViewer);

    // Stop in any other state leaves it as it is.
    w.table.workState = WS_CALCULATED;
    stop = w.transitions.Stop();
    EXPECT_FALSE(stop.done);
    EXPECT_FALSE(stop.samplingChanged.has_value());
    EXPECT_EQ(w.table.workState, WS_CALCULATED);
}

TEST(SamplingTransitions, CalculateRefusesWithItsNoticeAndRepaintsTheViewerOnlyWhenDone) {
    Work w;
    TransitionEffects refused = w.transitions.Calculate(1.0);
    EXPECT_FALSE(refused.done);
    EXPECT_EQ(refused.notice.text, "３点以上定義されていないと計算に入れません");
    EXPECT_FALSE(refused.repaintViewer);
    EXPECT_TRUE(refused.updateButtons && refused.repaintWindow);

    w.Square();
    w.transitions.Start();
    TransitionEffects done = w.transitions.Calculate(2.0);
    EXPECT_TRUE(done.done);
    EXPECT_TRUE(done.notice.empty());
    EXPECT_TRUE(done.repaintViewer);
    EXPECT_EQ(w.table.workState, WS_CALCULATED);
    EXPECT_EQ(w.calc.results.R, 2.0);
    EXPECT_EQ(w.calc.results.source.A, 100.0);
}

TEST(SamplingTransitions, ClearAsksAndRefillsEverythingOnlyWhenCleared) {
    Work w;
    int asked = 0;
    bool yes = false;
    const AskUser ask = [&](const Notice& question) {
        ++asked;
        EXPECT_EQ(question.style, platform::MB_YESNO);
        return yes;
    };
    TransitionEffects empty = w.transitions.Clear(ask);
    EXPECT_EQ(empty.notice.text, "有効なデータはありません");
    EXPECT_EQ(asked, 0);
    EXPECT_FALSE(empty.refillGrid || empty.repaintWindow || empty.repaintViewer);

    w.Square();
    TransitionEffects no = w.transitions.Clear(ask);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(no.done || no.refillGrid);
    EXPECT_EQ(w.table.count, 4);

    yes = true;
    TransitionEffects cleared = w.transitions.Clear(ask);
    EXPECT_TRUE(cleared.done);
    EXPECT_EQ(w.table.count, 0);
    EXPECT_EQ(w.table.workState, WS_IDLE);
    EXPECT_TRUE(cleared.refillGrid && cleared.refreshRowCount && cleared.updateButtons &&
                cleared.repaintWindow && cleared.repaintViewer);
    EXPECT_FALSE(cleared.samplingChanged.has_value());
}
