#include "data/row_command.h"

#include "res/ids.h"

bool ApplyRowCommand(SampleTable& table, int id, int row, Notice* notice) {
    bool changed = false;
    switch (id) {
    case ID_ROW_INSERT:
        table.InsertBlankRow(row);
        changed = row >= 0 && row < table.capacity;
        break;
    case ID_ROW_DELETE:
        // A line below the data holds no row to delete: nothing happens.
        changed = table.DeleteRows(row, row) == 1;
        break;
    case ID_ROW_PASTE:
        changed = table.PasteRows(row, row, notice) == 1;
        break;
    case ID_ROW_COPY:
        table.CopyRows(row, row);
        break;
    case ID_ADD_LOOP:
        changed = table.AddLoopBreak(notice);
        break;
    default:
        return false;
    }
    if (changed && table.workState == WS_CALCULATED) table.workState = WS_MODIFIED;
    return true;
}
