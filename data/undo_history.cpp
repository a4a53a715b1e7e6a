#include "data/undo_history.h"

#include <QUndoStack>
#include <algorithm>

#include "data/point_move.h"
#include "data/sample_table.h"

UndoHistory::UndoHistory(SampleTable& table) : table_(table), stack_(std::make_unique<QUndoStack>()) {
    stack_->setUndoLimit(kUndoLevels);
}

UndoHistory::~UndoHistory() = default;

double UndoHistory::Magnification() const {
    const double magnification = magnification_ ? magnification_() : 1.0;
    return magnification > 0 ? magnification : 1.0;
}

void UndoHistory::Push(QUndoCommand* command) {
    if (restoring_) {
        delete command;
        return;
    }
    stack_->push(command);
    Notify(false);
}

bool UndoHistory::Undo() {
    if (restoring_ || !stack_->canUndo()) return false;
    restoring_ = true;
    stack_->undo();
    restoring_ = false;
    Notify(true);
    return true;
}

bool UndoHistory::Redo() {
    if (restoring_ || !stack_->canRedo()) return false;
    restoring_ = true;
    stack_->redo();
    restoring_ = false;
    Notify(true);
    return true;
}

bool UndoHistory::CanUndo() const { return stack_->canUndo(); }
bool UndoHistory::CanRedo() const { return stack_->canRedo(); }
QString UndoHistory::UndoText() const { return stack_->undoText(); }
QString UndoHistory::RedoText() const { return stack_->redoText(); }
int UndoHistory::Count() const { return stack_->count(); }

void UndoHistory::Clear() { stack_->clear(); }

void UndoHistory::Restore(const TableSnapshot& snapshot) {
    RestoreSnapshot(table_, snapshot, Magnification());
}

int UndoHistory::AddListener(std::function<void(bool restored)> listener) {
    listeners_.emplace_back(nextToken_, std::move(listener));
    return nextToken_++;
}

void UndoHistory::RemoveListener(int token) {
    std::erase_if(listeners_, [token](const auto& entry) { return entry.first == token; });
}

void UndoHistory::Notify(bool restored) {
    // A listener may add or remove listeners: call a copy.
    const auto listeners = listeners_;
    for (const auto& entry : listeners)
        entry.second(restored);
}

UndoRecord::UndoRecord(UndoHistory& history, ChangeKind kind, int row)
    : history_(history), kind_(kind), row_(row), before_(Take()) {}

UndoRecord::~UndoRecord() {
    if (history_.restoring()) return;
    TableSnapshot after = Take();
    if (SameRows(before_, after)) return;
    if (row_ >= 0)
        history_.Push(new PointMove(history_, row_, before_, after));
    else
        history_.Push(new TableChange(history_, kind_, before_, after));
}

TableSnapshot UndoRecord::Take() const {
    // A correction moves the dots only and the texts follow at its end; its
    // steps keep the rows as the end leaves them.
    const double magnification = history_.Magnification();
    return row_ >= 0 ? CorrectedSnapshotOf(history_.table(), magnification)
                     : SnapshotOf(history_.table(), magnification);
}
