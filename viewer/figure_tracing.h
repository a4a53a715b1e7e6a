// Tracing a figure from one click in the viewer: the menu item arms it, the
// next left click on the picture is the seed, and the rows found (the
// figure's outer loop and its holes) fill the sample table; when it holds
// rows a question chooses between replacing them, adding the traced loops
// after a break, and leaving the table as it is. The table then
// stands as after a correction: WS_MODIFIED, ready to be corrected and
// calculated as usual. The tracing and what to say are data/traced_rows';
// this is the window's side: the armed state and the message boxes.
#pragma once

class CViewImage;
class QWidget;
class SampleTable;

class FigureTracing {
public:
    // The next left click on the picture is a seed.
    bool armed() const { return armed_; }
    void Arm() { armed_ = true; }
    void Disarm() { armed_ = false; }

    // The seed click at display dot (x, y): disarms, traces, and stores the
    // rows (replacing or after the table's, as answered) unless the user
    // keeps the table as it is. A click that finds no figure, or a figure
    // with too many rows (after the table's too), says so and changes
    // nothing. True when the table took the rows.
    bool TraceAt(const CViewImage& view, int x, int y, SampleTable& table, QWidget* owner);

private:
    bool armed_ = false;
};
