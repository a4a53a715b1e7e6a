#include "data/calc_results.h"

#include <array>

namespace {

// Each value: where the library leaves it, and the power of R it scales by.
struct ResultField {
    double ResultValues::*member;
    int index;
    int power;
};

constexpr std::array<ResultField, 13> FIELDS = {{
    {&ResultValues::B, OS_WIDTH, 1},
    {&ResultValues::H, OS_HEIGHT, 1},
    {&ResultValues::A, OS_AREA, 2},
    {&ResultValues::L, OS_PERIMETER, 1},
    {&ResultValues::xC, OS_CENTROID_X, 1},
    {&ResultValues::yC, OS_CENTROID_Y, 1},
    {&ResultValues::hU, OS_H_UPPER, 1},
    {&ResultValues::hL, OS_H_LOWER, 1},
    {&ResultValues::bL, OS_B_LEFT, 1},
    {&ResultValues::bR, OS_B_RIGHT, 1},
    {&ResultValues::IyMax, OS_I_MAX, 4},
    {&ResultValues::IzMin, OS_I_MIN, 4},
    {&ResultValues::theta, OS_THETA, 0},
}};

}  // namespace

CalcResults MakeCalcResults(const SectionResults& results, double R) {
    CalcResults c;
    c.R = R;
    const double r2 = R * R;
    const double powers[] = {1, R, r2, r2 * R, r2 * r2};
    for (const ResultField& f : FIELDS) {
        const double shown = results.values[f.index];
        c.shown.*f.member = shown;
        // at R = 1 the source values are exact copies
        c.source.*f.member = (R == 1.0 || f.power == 0) ? shown : shown / powers[f.power];
    }
    return c;
}
