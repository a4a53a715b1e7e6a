// The edit window's one-row commands on the row of the current cell:
// Ctrl+I inserts a blank row, Ctrl+D deletes the row into the save buffer,
// Ctrl+P pastes the saved row over it, Ctrl+C copies it. "穴・部品の
//追加" appends a loop break after the last row, wherever the cell is.
#pragma once

#include "data/sample_table.h"

class QWidget;

// Runs command id (136..139, ID_ADD_LOOP) on row. Results of a calculation no longer
// match rows that were inserted, deleted or pasted: a calculated table is
// then marked modified. False for any other id. A refused paste shows its
// message, owned by owner.
bool ApplyRowCommand(SampleTable& table, int id, int row, Notice* notice = nullptr);
