#include "data/traced_rows.h"

#include <cmath>

#include "data/sample_table.h"
#include "data/table_outline_check.h"
#include "image/view_image.h"
#include "platform/message_box.h"
#include "res/format_text.h"
#include "res/texts_app.h"
#include "res/texts_trace.h"

trace::TraceResult TraceViewImage(const CViewImage& view, int x, int y) {
    const CImageData& image = view.image;
    const double scale = view.displayScale;
    if (!image.HasPicture() || !(scale > 0)) return {};
    // The picture's dot under the display dot.
    const int seedX = int(std::floor(x / scale)), seedY = int(std::floor(y / scale));
    trace::TraceResult result =
        trace::TraceFigure(image.pixels(), image.width(), image.height(), seedX, seedY, SAMPLE_CAPACITY);
    for (trace::TraceRow& row : result.rows) {
        row.x *= scale;
        row.y *= scale;
    }
    return result;
}

namespace {

// What made the tracer refuse its outline, one line.
std::string TraceFaultText(const trace::TraceResult& result) {
    switch (result.fault) {
    case trace::TraceFault::Geometry: return OutlineFaultText(result.geometry);
    case trace::TraceFault::ArcAwayFromEdge: return FormatText(texts::TRACE_ARC_AWAY_FROM_EDGE, result.faultRow + 1);
    case trace::TraceFault::AreaOffRegion: return texts::TRACE_AREA_OFF_REGION;
    case trace::TraceFault::None: break;
    }
    return {};
}

}  // namespace

TraceVerdict JudgeTrace(const trace::TraceResult& result, const SampleTable& table) {
    switch (result.status) {
    case trace::TraceStatus::NoFigure:
        return {TraceStep::Refuse, {texts::TRACE_NO_FIGURE, texts::TITLE_CONFIRM}};
    case trace::TraceStatus::TooManyRows:
        return {TraceStep::Refuse, {texts::TRACE_TOO_MANY_ROWS, texts::TITLE_CONFIRM}};
    case trace::TraceStatus::InsideHole:
        return {TraceStep::Refuse, {texts::TRACE_INSIDE_HOLE, texts::TITLE_CONFIRM}};
    case trace::TraceStatus::Unreliable: {
        std::string text = texts::TRACE_UNRELIABLE;
        const std::string why = TraceFaultText(result);
        if (!why.empty()) text += "\n" + why;
        return {TraceStep::Refuse, {text, texts::TITLE_CONFIRM}};
    }
    case trace::TraceStatus::Traced: break;
    }
    if (table.count > 0)
        return {TraceStep::Ask, {texts::TRACE_REPLACE_QUESTION, texts::TITLE_CONFIRM, platform::MB_YESNO}};
    return {TraceStep::Store, {}};
}

void StoreTracedRows(SampleTable& table, const std::vector<trace::TraceRow>& rows) {
    table.ClearTable();
    for (const trace::TraceRow& row : rows) {
        if (table.count >= table.capacity) break;
        SamplePoint& p = table.rows[std::size_t(table.count++)];
        SetFractionalCoordinate(p.xText, p.x, row.x);
        SetFractionalCoordinate(p.yText, p.y, row.y);
        p.type = row.type;
    }
    table.workState = WS_MODIFIED;
}
