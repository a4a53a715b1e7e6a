#include "viewer/figure_tracing.h"

#include <cmath>

#include "data/sample_table.h"
#include "image/view_image.h"
#include "platform/message_box.h"
#include "res/texts_app.h"
#include "res/texts_trace.h"

void StoreTracedRows(SampleTable& table, const std::vector<trace::TraceRow>& rows) {
    table.ClearTable();
    for (const trace::TraceRow& row : rows) {
        if (table.count >= table.capacity) break;
        SamplePoint& p = table.rows[std::size_t(table.count++)];
        SetFractionalCoordinate(p.xText, p.x, row.x);
        SetFractionalCoordinate(p.yText, p.y, row.y);
        p.type = row.type;
    }
}

trace::TraceResult TraceViewImage(const CViewImage& view, int x, int y) {
    const CImageData& image = view.image;
    const double scale = view.displayScale;
    if (!image.HasPicture() || !(scale > 0)) return {};
    // The picture's dot under the display dot.
    const int seedX = int(std::floor(x / scale)), seedY = int(std::floor(y / scale));
    return trace::TraceFigure(image.pixels(), image.width(), image.height(), seedX, seedY, scale, SAMPLE_CAPACITY);
}

bool FigureTracing::TraceAt(const CViewImage& view, int x, int y, SampleTable& table, QWidget* owner) {
    armed_ = false;
    const trace::TraceResult result = TraceViewImage(view, x, y);
    if (result.status != trace::TraceStatus::Traced) {
        platform::MessageBox(owner,
                             result.status == trace::TraceStatus::TooManyRows ? texts::TRACE_TOO_MANY_ROWS
                                                                              : texts::TRACE_NO_FIGURE,
                             texts::TITLE_CONFIRM);
        return false;
    }
    if (table.count > 0 && platform::MessageBox(owner, texts::TRACE_REPLACE_QUESTION, texts::TITLE_CONFIRM,
                                                platform::MB_YESNO) == platform::IDNO)
        return false;
    StoreTracedRows(table, result.rows);
    table.workState = WS_MODIFIED;
    return true;
}
