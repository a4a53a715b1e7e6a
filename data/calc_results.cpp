#include "data/calc_results.h"

CalcResults MakeCalcResults(const SectionResults& results, double R) {
    const double* v = results.values;
    CalcResults c;
    c.R = R;
    ResultValues& s = c.shown;
    s.B = v[OS_WIDTH];
    s.H = v[OS_HEIGHT];
    s.A = v[OS_AREA];
    s.L = v[OS_PERIMETER];
    s.xC = v[OS_CENTROID_X];
    s.yC = v[OS_CENTROID_Y];
    s.hU = v[OS_H_UPPER];
    s.hL = v[OS_H_LOWER];
    s.bL = v[OS_B_LEFT];
    s.bR = v[OS_B_RIGHT];
    s.IyMax = v[OS_I_MAX];
    s.IzMin = v[OS_I_MIN];
    s.theta = v[OS_THETA];
    if (R == 1.0) {
        c.source = s;
        return c;
    }
    const double r2 = R * R, r4 = r2 * r2;
    ResultValues& o = c.source;
    o.B = s.B / R;
    o.H = s.H / R;
    o.A = s.A / r2;
    o.L = s.L / R;
    o.xC = s.xC / R;
    o.yC = s.yC / R;
    o.hU = s.hU / R;
    o.hL = s.hL / R;
    o.bL = s.bL / R;
    o.bR = s.bR / R;
    o.IyMax = s.IyMax / r4;
    o.IzMin = s.IzMin / r4;
    o.theta = s.theta;
    return c;
}
