#include "data/plane_measure.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "data/calc_driver.h"
#include "osmeca/coordinate_text.h"
#include "plane/outline_map.h"
#include "res/format_text.h"
#include "res/texts_plane.h"
#include "res/texts_properties.h"

namespace {

namespace t = texts_plane;

// The mapped outline is scaled so that its largest coordinate lies between
// these (plane units), which keeps about seven significant digits in the
// 8-character texts.
constexpr double kLargestUnits = 99999.0;

// The rows as points in source dots, mapped through toPlane; false when a
// point lies beyond the vanishing line.
bool MappedRows(const SampleTable& table, double R, const plane::Homography& toPlane,
                std::vector<plane::OutlineRow>& rows) {
    if (!(R > 0) || !std::isfinite(R)) R = 1;
    rows.clear();
    for (int i = 0; i < table.count; ++i) {
        const SamplePoint& row = table.rows[i];
        double x = 0, y = 0;
        osmeca::ParseCoordinateText(row.xText, sizeof row.xText, x);
        osmeca::ParseCoordinateText(row.yText, sizeof row.yText, y);
        rows.push_back({row.type, {x / R, y / R}});
    }
    return plane::MapOutline(toPlane, rows);
}

// A copy of table with the mapped rows' points at unitsPerMm.
void WriteRows(const SampleTable& table, const std::vector<plane::OutlineRow>& rows, double unitsPerMm,
               SampleTable& mapped) {
    mapped = table;
    for (int i = 0; i < table.count; ++i) {
        if (rows[i].type == plane::kLoopBreakType) continue;
        SamplePoint& row = mapped.rows[i];
        SetFractionalCoordinate(row.xText, row.x, rows[i].at.x * unitsPerMm);
        SetFractionalCoordinate(row.yText, row.y, rows[i].at.y * unitsPerMm);
    }
}

// A power of ten that brings the largest coordinate just under kLargestUnits.
double UnitsPerMm(const std::vector<plane::OutlineRow>& rows) {
    double largest = 0;
    for (const plane::OutlineRow& row : rows)
        if (row.type != plane::kLoopBreakType)
            largest = std::max({largest, std::fabs(row.at.x), std::fabs(row.at.y)});
    if (!(largest > 0)) return 1;
    return std::pow(10.0, std::floor(std::log10(kLargestUnits / largest)));
}

}  // namespace

bool MapTableToPlane(const SampleTable& table, double R, const plane::Homography& toPlane, double unitsPerMm,
                     SampleTable& mapped) {
    std::vector<plane::OutlineRow> rows;
    if (!MappedRows(table, R, toPlane, rows)) return false;
    WriteRows(table, rows, unitsPerMm, mapped);
    return true;
}

bool MeasureInPlane(const SampleTable& table, double R, const plane::Homography& toPlane,
                    SectionProperties& mm, Notice* notice) {
    std::vector<plane::OutlineRow> rows;
    if (!MappedRows(table, R, toPlane, rows)) {
        if (notice) *notice = {t::MSG_PLANE_OUTLINE_HORIZON, t::PLANE_TITLE};
        return false;
    }
    const double unitsPerMm = UnitsPerMm(rows);
    auto mapped = std::make_unique<SampleTable>();
    auto state = std::make_unique<CalcState>();
    WriteRows(table, rows, unitsPerMm, *mapped);
    if (!Calculate(*mapped, *state, 1.0, notice)) return false;
    const SectionProperties units =
        PropertiesFromResults(state->sectionResults, state->segments.data(), state->segmentCount);
    mm = ScaledProperties(units, 1.0 / unitsPerMm);
    return true;
}

std::string PlaneName(const plane::PlaneSetting& setting) {
    return FormatText(t::PLANE_NAME, int(setting.photo.size()), setting.widthMm, setting.heightMm);
}

std::string ScaleLineText(double mmPerDot, const plane::PlaneSetting& setting) {
    if (setting.IsSet()) return PlaneName(setting);
    return mmPerDot > 0 ? FormatText(texts_properties::EDIT_SCALE_LINE, mmPerDot) : std::string();
}

Notice SetPrintedScale(CalcState& state, const SampleTable& table, double R, double mmPerDot,
                       const plane::PlaneSetting& setting) {
    state.mmPerDot = mmPerDot;
    state.planeName.clear();
    if (!setting.IsSet()) return {};
    state.mmPerDot = 0;
    const plane::PlaneFit fit = plane::FitPlane(setting);
    if (!fit.Ok()) return PlaneRefusalNotice(fit.refusal);
    Notice notice;
    if (!MeasureInPlane(table, R, fit.toPlane, state.planeMm, &notice)) return notice;
    state.planeName = PlaneName(setting);
    return {};
}

Notice PlaneRefusalNotice(plane::PlaneRefusal refusal) {
    using plane::PlaneRefusal;
    switch (refusal) {
    case PlaneRefusal::None: return {};
    case PlaneRefusal::BadSize: return {t::MSG_PLANE_BAD_SIZE, t::PLANE_TITLE};
    case PlaneRefusal::NotAGrid: return {t::MSG_PLANE_NOT_GRID, t::PLANE_TITLE};
    case PlaneRefusal::PointsOnLine: return {t::MSG_PLANE_ON_LINE, t::PLANE_TITLE};
    case PlaneRefusal::NotClockwise: return {t::MSG_PLANE_NOT_CLOCKWISE, t::PLANE_TITLE};
    case PlaneRefusal::FoldOver: return {t::MSG_PLANE_FOLD, t::PLANE_TITLE};
    case PlaneRefusal::BeyondHorizon: return {t::MSG_PLANE_HORIZON, t::PLANE_TITLE};
    }
    return {};
}

std::string ResidualLines(const plane::PlaneFit& fit) {
    std::string lines;
    for (std::size_t i = 0; i < fit.residualsMm.size(); ++i) {
        if (i > 0) lines += "\n";
        lines += FormatText(t::PLANE_RESIDUAL_LINE, int(i + 1), fit.residualsMm[i]);
    }
    return lines;
}
