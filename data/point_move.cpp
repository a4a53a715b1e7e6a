#include "data/point_move.h"

namespace {

constexpr int kPointMoveId = 1;

}  // namespace

PointMove::PointMove(UndoHistory& history, int row, TableSnapshot before, TableSnapshot after)
    : TableChange(history, ChangeKind::Correction, before, after), row_(row) {}

int PointMove::id() const { return kPointMoveId; }

bool PointMove::mergeWith(const QUndoCommand* other) {
    const auto* move = dynamic_cast<const PointMove*>(other);
    if (move == nullptr || move->row_ != row_) return false;
    SetAfter(move->after());
    return true;
}
