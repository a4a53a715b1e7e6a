// Measuring a known length on the picture: two clicks at its ends, in dots
// of the picture as displayed, give its length in dots of the source
// picture whatever the magnification.
#pragma once

class ScaleMeasure {
public:
    void Start();
    void Cancel();
    bool active() const { return active_; }

    // A click at a dot of the displayed picture; true when it was the
    // second one (the measuring then ends).
    bool Click(int x, int y);

    // The distance between the two clicks in source dots, at display
    // magnification R (1.0 = 100 %).
    double SourceDistance(double R) const;

private:
    bool active_ = false;
    int clicks_ = 0;
    int x_[2] = {0, 0};
    int y_[2] = {0, 0};
};

// Millimetres per source dot from a length in mm over a distance in source
// dots; 0 when either is not a positive number.
double MmPerDotFromLength(double lengthMm, double sourceDots);

// The scale the dialog's answers give: a length over the measured distance
// goes before the typed scale (millimetres per source dot); 0 when neither
// gives a positive number.
double ChosenMmPerDot(double lengthMm, double measuredDots, double typedMmPerDot);
