// The grid of the data edit window as logic: which rows of the sample
// table its ten lines show, the current cell, what each of the 30 cells was
// last set to, storing a typed cell into the table, the moves of the
// current cell with scrolling, and paging. The window only copies the texts
// into its cells and paints.
#pragma once

#include <array>
#include <string>

#include "data/sample_table.h"

class QWidget;

constexpr int GRID_LINES = 10;   // lines per page
constexpr int GRID_COLUMNS = 3;  // type, X, Y

// A coordinate cell holds at most this many characters of a token.
constexpr int GRID_COORD_WIDTH = COORD_TEXT_SIZE - 1;

enum class StoreResult {
    Unchanged,   // the cell shows what it was last set to: nothing stored
    Refused,     // a coordinate longer than 8 characters: message, cell set back
    Incomplete,  // stored; the row still lacks a type or a coordinate
    Completed,   // stored; the row is complete (table recalculated, modified)
};

class EditGrid {
public:
    // lastRowIndex: the highest row the grid can show (capacity - 1).
    explicit EditGrid(int lastRowIndex = SAMPLE_CAPACITY - 1);

    int topRow = 0;       // table row of line 0
    int focusLine = 0;    // current cell, 0..9
    int focusColumn = 0;  // current cell, 0..2
    const int lastRowIndex;

    // Table row of the current cell.
    int CurrentRow() const { return topRow + focusLine; }

    // What cell (line, column) was last set to.
    const std::string& Cell(int line, int column) const { return cells_[line][column]; }

    // Makes (line, column) the current cell; values outside the grid are
    // brought inside it.
    void SetCurrent(int line, int column);

    // Fills lineCount lines from firstLine with the rows from firstRow: a
    // data row shows its type ("%d", a blank for 0) and its texts (8 blanks
    // for an empty text); a row at or beyond count shows a blank and 8
    // blanks twice.
    void FillLines(const SampleTable& table, int firstLine, int lineCount, int firstRow);
    // The ten lines from topRow.
    void FillPage(const SampleTable& table) { FillLines(table, 0, GRID_LINES, topRow); }

    // Stores cell (line, column), which now reads typed, into its table row.
    // Column 0: the first blank-delimited token read as a decimal integer
    // becomes the row's type. Columns 1 and 2: the token, right-justified in
    // 8 characters, becomes the X or Y text; a longer token is refused with
    // a message in *notice and the cell keeps what it had. A row whose
    // type is above 0 and whose two texts hold more than blanks and zeros is
    // complete: appended when it is the row at count, the integers are read
    // from the texts and the table is marked modified. An incomplete row's
    // line is shown again from the table, the type as "%4d".
    StoreResult StoreCell(SampleTable& table, int line, int column, const std::string& typed,
                          Notice* notice = nullptr);

    // Moves of the current cell. When the line cannot move further the grid
    // scrolls by one line (true is returned), within rows 0..lastRowIndex-1
    // for the lowest line; at the first or last reachable row nothing moves.
    bool MoveDown(const SampleTable& table);
    bool MoveUp(const SampleTable& table);
    // Next column; after column 2, column 0 and Move down.
    bool NextColumn(const SampleTable& table);
    // Previous column; before column 0, column 2 and Move up.
    bool PreviousColumn(const SampleTable& table);

    // Paging; each refills the ten lines. The last page starts one row
    // later than paging down and the arrows can reach.
    void PageFirst(const SampleTable& table);
    void PageUp(const SampleTable& table);
    void PageDown(const SampleTable& table);
    void PageLast(const SampleTable& table);

private:
    int ScrollLimit() const { return lastRowIndex - GRID_LINES; }
    void FillLine(const SampleTable& table, int line, int row, bool showRow);

    std::array<std::array<std::string, GRID_COLUMNS>, GRID_LINES> cells_;
};

// The first blank-delimited token of text (leading blanks skipped).
std::string FirstToken(const std::string& text);

// A decimal integer at the start of token: optional sign, then digits up to
// the first other character; no digits give 0; values beyond 32 bits are
// held at the nearest end.
int ParseTypeToken(const std::string& token);

// True when text holds a character other than blank or "0".
bool HasCoordinate(const char* text);
