// The calculation as the edit window runs it: validate the rows, call the
// section-calculation library, check the arcs, build the result record, and
// Clear. Each function tells the caller whether it went ahead and hands back
// what the user is to be told (the window shows it); repainting, buttons and
// the viewer's redraw stay with the window.
#pragma once

#include <array>
#include <string>

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "data/notices.h"

// A new edit window starts afresh: empty table, idle, fresh buffers and no
// library results, so no viewer can draw segments of an earlier window.
// The result record of the last calculation is kept.
void StartEditSession(SampleTable& table, CalcState& state);

// The "計算実行" button: refuses a table of two rows or fewer, else Run.
// A refusal's message goes into *notice when given.
bool Calculate(SampleTable& table, CalcState& state, double R, Notice* notice = nullptr);

// Validates the rows, integrates, checks that no arc spans 180 degrees or
// more, then stores everything and sets WS_CALCULATED. R is the paired
// viewer's display scale (1.0 = 100 %), 1.0 when no viewer is paired; a
// value that is not positive and finite counts as 1. On any refusal the
// table's state, the buffers and the result record stay as they were.
bool RunCalculation(SampleTable& table, CalcState& state, double R, Notice* notice = nullptr);

// The "クリア" button: an empty table is refused with a message in
// *notice; otherwise, unless ask is answered No, zeroes the library
// results, empties the table and goes idle; the result record stays. True
// when cleared (the window then refills its grid and the viewer redraws).
bool ClearSampleData(SampleTable& table, CalcState& state, const AskUser& ask, Notice* notice = nullptr);

// The nine lines of the result box (UTF-8), with the note behind the area
// when the results belong to data changed since.
std::array<std::string, 9> ResultBoxLines(const CalcResults& results, int32_t workState);
