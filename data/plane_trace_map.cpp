#include "data/plane_trace_map.h"

#include "plane/plane_fit.h"

std::optional<trace::TraceMap> PlaneTraceMap(const plane::PlaneSetting& setting) {
    if (!setting.IsSet()) return std::nullopt;
    const plane::PlaneFit fit = plane::FitPlane(setting);
    plane::Homography toPhoto;
    if (!fit.Ok() || !fit.toPlane.Inverse(toPhoto)) return std::nullopt;
    return trace::TraceMap{fit.toPlane.Matrix(), toPhoto.Matrix()};
}
