// Tracing a figure from one click in the viewer: the menu item arms it, the
// next left click on the picture is the seed, and the rows found replace
// the sample table (after a question when it holds rows). The table then
// stands as after a correction: WS_MODIFIED, ready to be corrected and
// calculated as usual.
#pragma once

#include <vector>

#include "trace/figure_trace.h"

class CViewImage;
class QWidget;
class SampleTable;

// Fills the table with rows: texts with as many decimals as the cells
// hold (the calculation reads them), integers the whole dots the texts
// begin with (the overlay draws them).
void StoreTracedRows(SampleTable& table, const std::vector<trace::TraceRow>& rows);

// Traces the picture of view from the display dot (x, y) at its display
// scale. NoFigure also for a dot beside the picture.
trace::TraceResult TraceViewImage(const CViewImage& view, int x, int y);

class FigureTracing {
public:
    // The next left click on the picture is a seed.
    bool armed() const { return armed_; }
    void Arm() { armed_ = true; }
    void Disarm() { armed_ = false; }

    // The seed click at display dot (x, y): disarms, traces, and stores the
    // rows unless the user keeps the table's rows. A click that finds no
    // figure, or a figure with too many rows, says so and changes nothing.
    // True when the table was replaced.
    bool TraceAt(const CViewImage& view, int x, int y, SampleTable& table, QWidget* owner);

private:
    bool armed_ = false;
};
