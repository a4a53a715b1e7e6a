// An undo step of the picture's real-unit scale (millimetres per dot, 0 for
// none). Whoever owns the picture applies a value: apply is called with the
// value to put back (undo) or again (redo).
#pragma once

#include <QUndoCommand>
#include <functional>

class RealScaleChange : public QUndoCommand {
public:
    RealScaleChange(double before, double after, std::function<void(double mmPerDot)> apply);

    void undo() override;
    // The first redo is the push: the scale has been set already.
    void redo() override;

private:
    double before_;
    double after_;
    std::function<void(double)> apply_;
    bool pushed_ = false;
};
