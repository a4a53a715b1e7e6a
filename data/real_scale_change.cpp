#include "data/real_scale_change.h"

#include "res/texts_undo.h"
#include "res/ui_text.h"

RealScaleChange::RealScaleChange(double before, double after, std::function<void(double mmPerDot)> apply)
    : QUndoCommand(Text(texts_undo::CHANGE_REAL_SCALE)),
      before_(before),
      after_(after),
      apply_(std::move(apply)) {}

void RealScaleChange::undo() {
    if (apply_) apply_(before_);
}

void RealScaleChange::redo() {
    if (!pushed_) {
        pushed_ = true;
        return;
    }
    if (apply_) apply_(after_);
}
