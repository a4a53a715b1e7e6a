// The real-unit scale of a viewer's picture: millimetres per dot of the
// source picture, typed, or found from a known length between two points
// clicked on the picture. The dialog only gathers the answer; the viewer
// measures and keeps the scale.
#pragma once

#include <QDialog>
#include <cstdint>

class QLineEdit;

class CScaleDef : public QDialog {
    Q_OBJECT
public:
    enum class Outcome {
        Cancelled,
        Set,      // mmPerDot() holds the new scale
        Cleared,  // the picture has no scale from now on
        Measure,  // the user wants to click two points on the picture first
    };

    // mmPerDot: the scale in use (0: none); measuredDots: the distance of
    // two points just clicked, in source dots (0: none measured).
    CScaleDef(QWidget* parent, double mmPerDot, double measuredDots);

    Outcome outcome() const { return outcome_; }
    double mmPerDot() const { return mmPerDot_; }

    // ID_FRAMEWORK_OK, ID_FRAMEWORK_CANCEL, IDC_SCALE_MEASURE, IDC_SCALE_CLEAR.
    bool OnCommand(int id, std::intptr_t value);

    QLineEdit* typedEdit() const { return typed_; }
    QLineEdit* lengthEdit() const { return length_; }

private:
    void Finish(Outcome outcome);
    void OnOk();

    double measuredDots_;
    double mmPerDot_ = 0;
    Outcome outcome_ = Outcome::Cancelled;
    QLineEdit* typed_ = nullptr;
    QLineEdit* length_ = nullptr;
};
