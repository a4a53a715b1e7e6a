// The four buttons that move the work between sampling, editing and
// results: start and stop sampling, calculate, clear. Each changes the
// table's work state and the calculation state and says what the window
// has to show again and tell its viewer; the window does it in the order of
// TransitionEffects' members.
#pragma once

#include <optional>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "data/notices.h"

class UndoHistory;

struct TransitionEffects {
    bool done = false;                    // the transition went ahead
    Notice notice;                        // shown first; empty: none
    std::optional<bool> samplingChanged;  // the viewer is told: sampling on / off
    bool refillGrid = false;              // the grid's ten lines from the table again
    bool refreshRowCount = false;         // the row count (and magnification) line again
    bool updateButtons = false;           // start and stop buttons from the work state
    bool repaintWindow = false;           // result and status boxes, grid frame
    bool repaintViewer = false;           // the viewer paints the table again
};

class SamplingTransitions {
public:
    // history: where a clear is recorded as a step (of table); may be null.
    SamplingTransitions(SampleTable& table, CalcState& calc, UndoHistory* history = nullptr)
        : table_(table), calc_(calc), history_(history) {}

    // "SMPLING\n開始/再開": sampling on (the viewer told only when it was
    // off); the library results are zeroed either way.
    TransitionEffects Start();
    // "SMPLING\n中断": sampling off when it was on; otherwise nothing changes.
    TransitionEffects Stop();
    // "計算実行" at the viewer's display scale R (1 without a viewer).
    TransitionEffects Calculate(double R);
    // "クリア": refused on an empty table, asked first otherwise.
    TransitionEffects Clear(const AskUser& ask);

    bool Sampling() const { return table_.workState == WS_SAMPLING; }

private:
    SampleTable& table_;
    CalcState& calc_;
    UndoHistory* history_;
};
