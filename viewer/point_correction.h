// Coordinate correction in the viewer: the user picks a sample point by
// clicking near it, moves it dot by dot, then ends the correction. The
// viewer's correction mode and the table's work state move together:
//
//   Begin        correcting, no row selected, WS_VIEWER_SEARCH
//   Pick (hit)   the row selected, WS_VIEWER_EDIT
//   End          not correcting, WS_MODIFIED, texts rewritten from the integers
//
// Only the integers move while correcting; the texts (what the edit window
// shows and the calculation reads) follow when the correction ends.
#pragma once

class SampleTable;

class PointCorrection {
public:
    bool correcting() const { return correcting_; }
    // The row being corrected, -1 for none. Keeps its last value after the
    // end; it counts only while correcting.
    int selectedRow() const { return selectedRow_; }

    void Begin(SampleTable& table);

    // Selects the row within reach of the dot (x, y) and returns it; -1 when
    // no row is within reach (nothing changes). Picking again switches rows.
    int Pick(SampleTable& table, int x, int y);

    // Moves the selected row's point by (dx, dy) dots. False when there is
    // nothing to move: not correcting, no row picked yet, or the row is no
    // longer in the table.
    bool Move(SampleTable& table, int dx, int dy) const;

    void End(SampleTable& table);

private:
    bool correcting_ = false;
    int selectedRow_ = -1;
};
