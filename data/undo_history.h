// The one undo history of the one sample table: every change to the rows
// and to the real-unit scale is a step that can be taken back and done
// again. The places that change the table record the change with an
// UndoRecord around it; the windows call Undo and Redo and listen for
// changes to show the table again.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "data/table_change.h"

class QUndoCommand;
class QUndoStack;
class SampleTable;

// Undo keeps at least this many steps.
constexpr int kUndoLevels = 200;

class UndoHistory {
public:
    explicit UndoHistory(SampleTable& table);
    ~UndoHistory();
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    SampleTable& table() { return table_; }

    // The display magnification the table's dots are in now (the paired
    // viewer's); 1 until a source is set.
    void SetMagnificationSource(std::function<double()> source) { magnification_ = std::move(source); }
    double Magnification() const;

    // Adds a step that has been made already (the history owns it). Ignored
    // while a step is being undone or redone.
    void Push(QUndoCommand* command);
    // Takes back the last step or does the next one again; false when there
    // is none.
    bool Undo();
    bool Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    // The names of those steps, empty when there is none.
    QString UndoText() const;
    QString RedoText() const;
    int Count() const;
    // Forgets every step (a new session).
    void Clear();

    // True while a step is being undone or redone: the changes made then
    // are not steps of their own.
    bool restoring() const { return restoring_; }
    // Puts rows back into the table at the magnification of the moment.
    void Restore(const TableSnapshot& snapshot);

    // Something about the work changed that is not a step of its own (a new
    // magnification); the listeners hear of it as of a step.
    void NoteChange() { Notify(false); }

    // Called after every push, undo, redo and NoteChange; restored is true
    // for an undo or a redo. Returns a token for RemoveListener.
    int AddListener(std::function<void(bool restored)> listener);
    void RemoveListener(int token);

private:
    void Notify(bool restored);

    SampleTable& table_;
    std::unique_ptr<QUndoStack> stack_;
    std::function<double()> magnification_;
    std::vector<std::pair<int, std::function<void(bool)>>> listeners_;
    int nextToken_ = 1;
    bool restoring_ = false;
};

// Records the change made to the table while it lives: the rows when it is
// made and when it ends; a change that left the rows as they were is no
// step. row >= 0 records a correction's move of that row (moves of one row
// in a row merge into one step).
class UndoRecord {
public:
    UndoRecord(UndoHistory& history, ChangeKind kind, int row = -1);
    ~UndoRecord();
    UndoRecord(const UndoRecord&) = delete;
    UndoRecord& operator=(const UndoRecord&) = delete;

private:
    TableSnapshot Take() const;

    UndoHistory& history_;
    ChangeKind kind_;
    int row_;
    TableSnapshot before_;
};
