// A picture's perspective plane as the tracer takes it: the maps from the
// picture's dots into plane millimetres and back.
#pragma once

#include <optional>

#include "plane/plane_setting.h"
#include "trace/figure_trace.h"

// Nothing when no plane is set or the plane is refused (the figure is then
// traced in the picture's dots, and measuring in the plane says why not).
std::optional<trace::TraceMap> PlaneTraceMap(const plane::PlaneSetting& setting);
