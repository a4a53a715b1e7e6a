#include "data/section_properties.h"

#include <cmath>
#include <numbers>

#include "data/fibre_span.h"

namespace {

// Each value and the power of the length unit it carries.
struct PropertyField {
    double SectionProperties::*member;
    int power;
};

constexpr PropertyField FIELDS[] = {
    {&SectionProperties::area, 2},           {&SectionProperties::perimeter, 1},
    {&SectionProperties::width, 1},          {&SectionProperties::height, 1},
    {&SectionProperties::xc, 1},             {&SectionProperties::yc, 1},
    {&SectionProperties::iMax, 4},           {&SectionProperties::iMin, 4},
    {&SectionProperties::thetaDeg, 0},       {&SectionProperties::ixx, 4},
    {&SectionProperties::iyy, 4},            {&SectionProperties::ixy, 4},
    {&SectionProperties::polar, 4},          {&SectionProperties::rMajor, 1},
    {&SectionProperties::rMinor, 1},         {&SectionProperties::cMajorPositive, 1},
    {&SectionProperties::cMajorNegative, 1}, {&SectionProperties::cMinorPositive, 1},
    {&SectionProperties::cMinorNegative, 1},
};

}  // namespace

SectionProperties PropertiesFromResults(const SectionResults& results, const SectionSegment* segments,
                                        int32_t segmentCount) {
    const double* r = results.values;
    SectionProperties p;
    p.area = r[OS_AREA];
    p.perimeter = r[OS_PERIMETER];
    p.width = r[OS_WIDTH];
    p.height = r[OS_HEIGHT];
    p.xc = r[OS_CENTROID_X];
    p.yc = r[OS_CENTROID_Y];
    p.iMax = r[OS_I_MAX];
    p.iMin = r[OS_I_MIN];
    p.thetaDeg = r[OS_THETA];
    p.ixx = r[OS_I_HORIZONTAL];
    p.iyy = r[OS_I_VERTICAL];
    p.ixy = r[OS_PRODUCT];
    p.polar = r[OS_POLAR];
    p.rMajor = r[OS_GYRATION_MAX];
    p.rMinor = r[OS_GYRATION_MIN];
    const double major = p.thetaDeg * std::numbers::pi / 180;
    const FibreSpan aboutMajor = SpanAcrossAxis(segments, segmentCount, p.xc, p.yc, major);
    const FibreSpan aboutMinor = SpanAcrossAxis(segments, segmentCount, p.xc, p.yc, major + std::numbers::pi / 2);
    p.cMajorPositive = aboutMajor.positive;
    p.cMajorNegative = aboutMajor.negative;
    p.cMinorPositive = aboutMinor.positive;
    p.cMinorNegative = aboutMinor.negative;
    return p;
}

SectionProperties ScaledProperties(const SectionProperties& p, double factor) {
    if (factor == 1.0) return p;
    SectionProperties scaled = p;
    const double f2 = factor * factor;
    const double powers[] = {1, factor, f2, f2 * factor, f2 * f2};
    for (const PropertyField& field : FIELDS) scaled.*field.member = p.*field.member * powers[field.power];
    return scaled;
}

PropertiesAtScales PropertiesAtAllScales(const SectionProperties& dots, double R, double mmPerDot) {
    PropertiesAtScales all;
    // A magnification that is not positive and finite is taken as 1, as the calculation does.
    all.R = std::isfinite(R) && R > 0 ? R : 1.0;
    all.mmPerDot = std::isfinite(mmPerDot) && mmPerDot > 0 ? mmPerDot : 0;
    all.dots = dots;
    all.source = ScaledProperties(dots, 1.0 / all.R);
    if (all.HasMillimetres()) all.mm = ScaledProperties(all.source, all.mmPerDot);
    return all;
}
