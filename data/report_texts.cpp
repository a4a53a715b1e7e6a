#include "data/report_texts.h"

#include "data/angle_units.h"
#include "res/format_text.h"
#include "data/result_value_lines.h"
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

int LoopCountOf(const SectionSegment* segments, int32_t segmentCount) {
    int loops = 0;
    for (int32_t k = 0; k < segmentCount; ++k)
        if (segments[k].kind == OS_KIND_AUXILIARY) ++loops;
    return loops;
}

std::string CalcReportText(const CalcResults& r) {
    namespace t = texts_data;
    static const ResultLineFormats formats = {{
        {t::CALC_A_1, t::CALC_A_R},   {t::CALC_L_1, t::CALC_L_R},   {t::CALC_B_1, t::CALC_B_R},
        {t::CALC_H_1, t::CALC_H_R},   {t::CALC_XC_1, t::CALC_XC_R}, {t::CALC_BL_1, t::CALC_BL_R},
        {t::CALC_BR_1, t::CALC_BR_R}, {t::CALC_YC_1, t::CALC_YC_R}, {t::CALC_HU_1, t::CALC_HU_R},
        {t::CALC_HL_1, t::CALC_HL_R}, {t::CALC_IY_1, t::CALC_IY_R}, {t::CALC_THETA, t::CALC_THETA},
        {t::CALC_IZ_1, t::CALC_IZ_R},
    }};
    std::string out = FormatText(r.R == 1.0 ? t::CALC_HEAD_1 : t::CALC_HEAD_R, r.R);
    out += "\r\n";
    return out + ResultValueLines(r, formats);
}

std::string InclinedReportText(const InclinedAxisTable& table) {
    std::string out = Tr(texts_data::INCL_HEAD);
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
    std::string out = Tr(texts_data::DETAIL_HEAD);
    out += "\r\n";
    if (segmentCount > OS_MAX_SEGMENTS) segmentCount = OS_MAX_SEGMENTS;
    // An outline of one loop is listed as it always was, without a loop line.
    const bool loops = LoopCountOf(segments, segmentCount) > 1;
    int loop = 0;
    for (int32_t k = 0; k < segmentCount; ++k) {
        const SectionSegment& s = segments[k];
        if (loops && (k == 0 || segments[k - 1].kind == OS_KIND_AUXILIARY))
            out += FormatText(texts_data::DETAIL_LOOP, ++loop);
        switch (s.kind) {
        case OS_KIND_STRAIGHT:
            out += FormatText(texts_data::DETAIL_LINE, k, s.x, s.y, s.endX, s.endY);
            break;
        case OS_KIND_ARC:
            out += FormatText(texts_data::DETAIL_ARC, k, s.centreX, s.centreY, s.radius,
                              DegreesFromRadians(s.startAngle), DegreesFromRadians(s.endAngle),
                              DegreesFromRadians(s.sweepAngle),
                              Tr(s.direction == OS_CLOCKWISE ? texts_data::DETAIL_CLOCKWISE
                                                             : texts_data::DETAIL_COUNTER_CLOCKWISE));
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
