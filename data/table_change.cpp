#include "data/table_change.h"

#include "data/undo_history.h"
#include "res/texts_undo.h"
#include "res/ui_text.h"

const char* ChangeKindText(ChangeKind kind) {
    switch (kind) {
    case ChangeKind::AddPoint: return texts_undo::CHANGE_ADD_POINT;
    case ChangeKind::Cell: return texts_undo::CHANGE_CELL;
    case ChangeKind::Insert: return texts_undo::CHANGE_INSERT;
    case ChangeKind::Delete: return texts_undo::CHANGE_DELETE;
    case ChangeKind::Paste: return texts_undo::CHANGE_PASTE;
    case ChangeKind::Correction: return texts_undo::CHANGE_CORRECTION;
    case ChangeKind::Trace: return texts_undo::CHANGE_TRACE;
    case ChangeKind::ReadCsv: return texts_undo::CHANGE_READ_CSV;
    case ChangeKind::Clear: return texts_undo::CHANGE_CLEAR;
    case ChangeKind::LoopBreak: return texts_undo::CHANGE_LOOP_BREAK;
    case ChangeKind::ReadDrawing: return texts_undo::CHANGE_READ_DRAWING;
    }
    return "";
}

TableChange::TableChange(UndoHistory& history, ChangeKind kind, TableSnapshot before, TableSnapshot after)
    : QUndoCommand(Text(ChangeKindText(kind))),
      history_(history),
      kind_(kind),
      before_(before),
      after_(after) {}

void TableChange::undo() { history_.Restore(before_); }

void TableChange::redo() {
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    history_.Restore(after_);
}
