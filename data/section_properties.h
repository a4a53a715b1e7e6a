// The properties of a section that a designer takes on from the principal
// moments: moments about the centroidal axes parallel to the picture's, the
// polar moment, the radii of gyration and the elastic section moduli about
// both principal axes. All of them follow exactly from the calculation's
// results and its outline; nothing is integrated again.
#pragma once

#include <cstdint>
#include <string>

#include "osmeca/osmeca.h"

struct SectionProperties {
    double area = 0;
    double perimeter = 0;
    double width = 0;
    double height = 0;
    double xc = 0;
    double yc = 0;
    double iMax = 0;
    double iMin = 0;
    double thetaDeg = 0;  // axis of iMax, clockwise from +X
    double ixx = 0;       // about the horizontal centroidal axis
    double iyy = 0;       // about the vertical one
    double ixy = 0;       // integral of (x - xc)(y - yc), Y downward
    double polar = 0;
    double rMajor = 0;    // radius of gyration about the axis of iMax
    double rMinor = 0;
    // Extreme fibres: reach of the outline on each side of the two axes.
    // The side of "positive" lies 90 degrees clockwise from the axis.
    double cMajorPositive = 0;
    double cMajorNegative = 0;
    double cMinorPositive = 0;
    double cMinorNegative = 0;

    double cMajor() const { return cMajorPositive > cMajorNegative ? cMajorPositive : cMajorNegative; }
    double cMinor() const { return cMinorPositive > cMinorNegative ? cMinorPositive : cMinorNegative; }
    // Elastic section moduli: the moment over a fibre's distance; the
    // plain forms take the furthest fibre (the smaller modulus).
    double zMajor() const { return Modulus(iMax, cMajor()); }
    double zMinor() const { return Modulus(iMin, cMinor()); }
    double zMajorPositive() const { return Modulus(iMax, cMajorPositive); }
    double zMajorNegative() const { return Modulus(iMax, cMajorNegative); }
    double zMinorPositive() const { return Modulus(iMin, cMinorPositive); }
    double zMinorNegative() const { return Modulus(iMin, cMinorNegative); }

    static double Modulus(double i, double c) { return c > 0 ? i / c : 0; }
};

// The properties in the dots of the calculation (the picture as displayed).
SectionProperties PropertiesFromResults(const SectionResults& results, const SectionSegment* segments,
                                        int32_t segmentCount);

// The same section measured with a length unit factor times as large:
// lengths times factor, areas times factor^2, moments times factor^4;
// the angle stays. A factor of exactly 1 copies.
SectionProperties ScaledProperties(const SectionProperties& p, double factor);

// The three scales a calculation is reported at: the dots shown, the dots
// of the source picture (divided by the magnification R) and, when a scale
// is set (mmPerDot > 0, millimetres per source dot), millimetres.
struct PropertiesAtScales {
    double R = 1;
    double mmPerDot = 0;  // 0: no scale set, no millimetres
    SectionProperties dots;
    SectionProperties source;
    SectionProperties mm;
    std::string planeName;  // not empty: mm are measured in this perspective plane
    bool HasMillimetres() const { return mmPerDot > 0 || !planeName.empty(); }
};

PropertiesAtScales PropertiesAtAllScales(const SectionProperties& dots, double R, double mmPerDot);
