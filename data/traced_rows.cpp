#include "data/traced_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <span>

#include "data/plane_trace_map.h"
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
    // With a plane set on the picture, the figure is fitted in that plane.
    const std::optional<trace::TraceMap> plane = PlaneTraceMap(view.plane);
    trace::TraceResult result = trace::TraceFigure(image.pixels(), image.width(), image.height(), seedX,
                                                   seedY, SAMPLE_CAPACITY, plane ? &*plane : nullptr);
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
    case trace::TraceFault::ArcAwayFromEdge:
        return FormatText(texts::TRACE_ARC_AWAY_FROM_EDGE, result.faultRow + 1);
    case trace::TraceFault::AreaOffRegion: return Tr(texts::TRACE_AREA_OFF_REGION);
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
        std::string text = Tr(texts::TRACE_UNRELIABLE);
        const std::string why = TraceFaultText(result);
        if (!why.empty()) text += "\n" + why;
        return {TraceStep::Refuse, {text, texts::TITLE_CONFIRM}};
    }
    case trace::TraceStatus::Traced: break;
    }
    if (table.count > 0)
        return {TraceStep::Ask,
                {texts::TRACE_REPLACE_QUESTION, texts::TITLE_CONFIRM, platform::MB_YESNOCANCEL}};
    return {TraceStep::Store, {}};
}

namespace {

// rows after the table's count rows; they fit.
void PutTracedRows(SampleTable& table, std::span<const trace::TraceRow> rows) {
    for (const trace::TraceRow& row : rows) {
        SamplePoint& p = table.rows[std::size_t(table.count++)];
        if (row.type == kLoopBreakType) {
            p = LoopBreakSamplePoint();
            continue;
        }
        SetFractionalCoordinate(p.xText, p.x, row.x);
        SetFractionalCoordinate(p.yText, p.y, row.y);
        p.type = row.type;
    }
    table.workState = WS_MODIFIED;
}

}  // namespace

void StoreTracedRows(SampleTable& table, const std::vector<trace::TraceRow>& rows) {
    table.ClearTable();
    PutTracedRows(table,
                  std::span(rows).first(std::min(rows.size(), std::size_t(std::max(0, table.capacity)))));
}

bool AppendTracedRows(SampleTable& table, const std::vector<trace::TraceRow>& rows, Notice* notice) {
    const bool needsBreak = table.count > 0 && HoldsPoint(table.rows[std::size_t(table.count - 1)]);
    if (std::int64_t(table.count) + (needsBreak ? 1 : 0) + std::int64_t(rows.size()) > table.capacity) {
        Tell(notice, {texts::TRACE_TOO_MANY_ROWS, texts::TITLE_CONFIRM});
        return false;
    }
    if (needsBreak) PutTracedRows(table, {&trace::kLoopBreakRow, 1});
    PutTracedRows(table, rows);
    return true;
}

bool AnswerTrace(SampleTable& table, const std::vector<trace::TraceRow>& rows, int answer, Notice& notice) {
    notice = {};
    switch (answer) {
    case platform::IDYES: StoreTracedRows(table, rows); return true;
    case platform::IDNO: return AppendTracedRows(table, rows, &notice);
    default: return false;
    }
}
