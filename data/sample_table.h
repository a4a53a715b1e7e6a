// The outline being measured: the points clicked in the viewer or typed in
// the edit window, clockwise. The program has exactly one, created at
// start-up; the edit window, the viewers and the calculation all work on it.
#pragma once

#include <array>
#include <cstdint>

#include "data/sample_point.h"
#include "data/work_state.h"
#include "res/notice.h"


constexpr int SAMPLE_CAPACITY = 200;

class SampleTable {
public:
    SampleTable();

    std::array<SamplePoint, SAMPLE_CAPACITY> rows;
    std::array<SamplePoint, SAMPLE_CAPACITY> savedRows;  // filled by delete and copy, read by paste
    int32_t count = 0;                   // rows in use, 0..capacity
    int32_t capacity = SAMPLE_CAPACITY;  // always 200
    int32_t savedCount = 0;              // rows held in savedRows
    int32_t workState = WS_IDLE;

    // Every row becomes blank and count 0; the save buffer and the work state stay.
    void ClearTable();

    // Stores a point sampled in the viewer: into the first empty row below
    // count (message "空行=%d", result 2), else appended (result 1), else the
    // table is full (message, result -1, nothing changes). The message is
    // put into *notice for the caller to show.
    int AddPoint(int32_t x, int32_t y, Notice* notice = nullptr);

    // Appends a loop break after the last row, so that the next points
    // begin a new loop (a hole or another part). Refused with a message in
    // *notice (false, nothing changes) when the table is empty, already
    // ends with a break, or is full.
    bool AddLoopBreak(Notice* notice = nullptr);

    // Moves rows r..count-1 one place down (the one pushed past the last row
    // is lost), blanks row r and grows count up to the capacity. An r outside
    // the table does nothing.
    void InsertBlankRow(int r);

    // Moves rows first..last into the save buffer and closes the gap; the
    // vacated rows at the end are zero-filled. Returns 0 for a reversed range
    // and for rows that are not all below count (nothing happens), else 1.
    int DeleteRows(int first, int last);

    // Copies rows first..last into the save buffer; the rows stay.
    void CopyRows(int first, int last);

    // Overwrites rows first..last with the saved rows and empties the save
    // buffer. More rows than saved: a message in *notice, result 0, nothing
    // changes.
    int PasteRows(int first, int last, Notice* notice = nullptr);

    // Integers from the texts, for every row below count.
    void TextToCoords();
    // Texts ("%8d") from the integers, for every row below count but the
    // loop breaks (their texts stay blank).
    void CoordsToText();
    // Multiplies every integer below count by factor (truncated toward
    // zero) and rewrites the texts; loop breaks are passed over.
    void ScaleCoords(double factor);

private:
    void FillRow(int index, int32_t x, int32_t y);
    bool IsRowRange(int first, int last, int limit) const;
};
