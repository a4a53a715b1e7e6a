// A correction's moves of one point: the Ctrl + arrow steps on the same
// row, one after another, make one undo step.
#pragma once

#include "data/table_change.h"

class PointMove : public TableChange {
public:
    PointMove(UndoHistory& history, int row, TableSnapshot before, TableSnapshot after);

    int row() const { return row_; }
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    int row_;
};
