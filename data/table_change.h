// One undo step of the sample table: the rows before and after a change,
// each with the magnification its dots belong to. Undo and redo put one of
// them back through the history, scaled to the magnification of the moment.
// A kind of change is a ChangeKind (its name in the menu items); a kind
// that merges or restores something else is a small class derived from
// this one (PointMove) or beside it (SettingChange).
#pragma once

#include <QUndoCommand>

#include "data/table_snapshot.h"

class UndoHistory;

enum class ChangeKind {
    AddPoint,
    Cell,
    Insert,
    Delete,
    Paste,
    Correction,
    Trace,
    ReadCsv,
    Clear,
    LoopBreak,
    ReadDrawing,
};

// The kind's name as the menu items show it (UTF-8).
const char* ChangeKindText(ChangeKind kind);

class TableChange : public QUndoCommand {
public:
    TableChange(UndoHistory& history, ChangeKind kind, TableSnapshot before, TableSnapshot after);

    ChangeKind kind() const { return kind_; }
    const TableSnapshot& before() const { return before_; }
    const TableSnapshot& after() const { return after_; }

    void undo() override;
    // The first redo is the push: the change has been made already.
    void redo() override;

protected:
    void SetAfter(const TableSnapshot& after) { after_ = after; }

private:
    UndoHistory& history_;
    ChangeKind kind_;
    TableSnapshot before_;
    TableSnapshot after_;
    bool pushed_ = false;
};
