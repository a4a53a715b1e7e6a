#include "data/report_texts.h"

#include "data/angle_units.h"
#include "data/format_text.h"
#include "res/texts_data.h"

namespace {

// The heading above the three blocks of the inclined-axis table.
std::string InclinedColumnHeading() {
    std::string line(92, ' ');
    for (int block : {0, 33, 66}) {
        line.replace(block + 2, 3, "Deg");
        line.replace(block + 10, 2, "Iy");
        line.replace(block + 24, 2, "Iz");
    }
    return line + "\r\n";
}

}  // namespace

std::string CalcReportText(const CalcResults& r) {
    namespace t = texts_data;
    const ResultValues& s = r.shown;
    const ResultValues& o = r.source;
    std::string out;
    if (r.R == 1.0) {
        out += FormatText(t::CALC_HEAD_1, r.R);
        out += "\r\n";
        out += FormatText(t::CALC_A_1, s.A);
        out += FormatText(t::CALC_L_1, s.L);
        out += FormatText(t::CALC_B_1, s.B);
        out += FormatText(t::CALC_H_1, s.H);
        out += FormatText(t::CALC_XC_1, s.xC);
        out += FormatText(t::CALC_BL_1, s.bL);
        out += FormatText(t::CALC_BR_1, s.bR);
        out += FormatText(t::CALC_YC_1, s.yC);
        out += FormatText(t::CALC_HU_1, s.hU);
        out += FormatText(t::CALC_HL_1, s.hL);
        out += FormatText(t::CALC_IY_1, s.IyMax);
        out += FormatText(t::CALC_THETA, s.theta);
        out += FormatText(t::CALC_IZ_1, s.IzMin);
        return out;
    }
    out += FormatText(t::CALC_HEAD_R, r.R);
    out += "\r\n";
    out += FormatText(t::CALC_A_R, s.A, o.A);
    out += FormatText(t::CALC_L_R, s.L, o.L);
    out += FormatText(t::CALC_B_R, s.B, o.B);
    out += FormatText(t::CALC_H_R, s.H, o.H);
    out += FormatText(t::CALC_XC_R, s.xC, o.xC);
    out += FormatText(t::CALC_BL_R, s.bL, o.bL);
    out += FormatText(t::CALC_BR_R, s.bR, o.bR);
    out += FormatText(t::CALC_YC_R, s.yC, o.yC);
    out += FormatText(t::CALC_HU_R, s.hU, o.hU);
    out += FormatText(t::CALC_HL_R, s.hL, o.hL);
    out += FormatText(t::CALC_IY_R, s.IyMax, o.IyMax);
    out += FormatText(t::CALC_THETA, s.theta);
    out += FormatText(t::CALC_IZ_R, s.IzMin, o.IzMin);
    return out;
}

std::string InclinedReportText(const InclinedAxisTable& table) {
    std::string out = texts_data::INCL_HEAD;
    out += "\r\n";
    out += InclinedColumnHeading();
    out += std::string(98, '-') + "\r\n";
    for (int k = 0; k <= 60; ++k) {
        const int a = k, b = 60 + k, c = 120 + k;
        out += FormatText(texts_data::INCL_ROW, table.angle[a], table.iy[a], table.iz[a], table.angle[b],
                          table.iy[b], table.iz[b], table.angle[c], table.iy[c], table.iz[c]);
    }
    return out;
}

std::string DetailReportText(const SectionSegment* segments, int32_t segmentCount) {
    std::string out = texts_data::DETAIL_HEAD;
    out += "\r\n";
    if (segmentCount > OS_MAX_SEGMENTS) segmentCount = OS_MAX_SEGMENTS;
    for (int32_t k = 0; k < segmentCount; ++k) {
        const SectionSegment& s = segments[k];
        switch (s.kind) {
        case OS_KIND_STRAIGHT:
            out += FormatText(texts_data::DETAIL_LINE, k, s.x, s.y, s.endX, s.endY);
            break;
        case OS_KIND_ARC:
            out += FormatText(texts_data::DETAIL_ARC, k, s.centreX, s.centreY, s.radius,
                              DegreesFromRadians(s.startAngle), DegreesFromRadians(s.endAngle),
                              DegreesFromRadians(s.sweepAngle),
                              s.direction == OS_CLOCKWISE ? texts_data::DETAIL_CLOCKWISE
                                                          : texts_data::DETAIL_COUNTER_CLOCKWISE);
            break;
        case OS_KIND_ARC_MIDDLE:
            out += FormatText(texts_data::DETAIL_ARC_MIDDLE, k, s.x, s.y);
            break;
        default:
            out += FormatText(texts_data::DETAIL_AUXILIARY, k, s.x, s.y);
            break;
        }
    }
    return out;
}
