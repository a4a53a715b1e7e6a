// The tracer's outline as the sample table's rows, for the viewer's seed
// click and the command-line tool alike: the picture of a view traced at
// its display scale, what the result has to tell the user, and the rows
// stored in the table.
#pragma once

#include <vector>

#include "res/notice.h"
#include "trace/figure_trace.h"

class CViewImage;
class SampleTable;

// Traces the picture of view from the display dot (x, y): the seed is the
// picture's dot under it, and the rows come back in display dots (picture
// dots times the display scale). With a plane set on the picture, the lines
// and arcs are fitted in that plane. NoFigure also for a dot beside the picture.
trace::TraceResult TraceViewImage(const CViewImage& view, int x, int y);

// What comes of a trace before its rows may go into table.
enum class TraceStep {
    Refuse,  // nothing traced: notice says why
    Ask,     // the table holds rows: notice asks whether to replace them (Yes),
             // add the traced loops after them (No) or keep the table as it is (Cancel)
    Store,   // the rows go in as they are
};

struct TraceVerdict {
    TraceStep step = TraceStep::Refuse;
    Notice notice;  // empty for Store
};

TraceVerdict JudgeTrace(const trace::TraceResult& result, const SampleTable& table);

// Replaces the table's rows with rows: texts with as many decimals as the
// cells hold (the calculation reads them), integers the whole dots the
// texts begin with (the overlay draws them). The table then stands as
// after a correction: WS_MODIFIED, ready to be corrected and calculated.
void StoreTracedRows(SampleTable& table, const std::vector<trace::TraceRow>& rows);

// Adds rows after the table's rows as further loops, a loop break first
// unless the last row is one; the table then stands as StoreTracedRows
// leaves it. Rows that do not all fit change nothing: false, and notice
// (when given) says so with the row limit's message.
bool AppendTracedRows(SampleTable& table, const std::vector<trace::TraceRow>& rows, Notice* notice = nullptr);

// What the answer to the Ask question does with rows: Yes replaces the
// table's, No appends them (AppendTracedRows), anything else keeps the
// table. True when the table took the rows; notice then says nothing, else
// what to show, if anything.
bool AnswerTrace(SampleTable& table, const std::vector<trace::TraceRow>& rows, int answer, Notice& notice);
