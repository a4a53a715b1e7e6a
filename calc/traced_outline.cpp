#include "calc/traced_outline.h"

#include <algorithm>
#include <cstring>

#include "app/image_file_loader.h"
#include "data/sample_table.h"
#include "data/traced_rows.h"
#include "image/view_image.h"

namespace {

// A coordinate cell without its leading blanks; the cells hold fixed-point
// numbers ("123.4567", "-12.5"), which read as JSON numbers too.
std::string Trimmed(const char* cell, std::size_t size) {
    std::string text(cell, strnlen(cell, size));
    return text.substr(std::min(text.find_first_not_of(' '), text.size()));
}

// Every row as "type<sep>x<sep>y" between before and after.
std::string RowsJoined(const SampleTable& table, const char* before, const char* sep, const char* after,
                       const char* between) {
    std::string out;
    for (int i = 0; i < table.count; ++i) {
        const SamplePoint& p = table.rows[std::size_t(i)];
        if (i > 0) out += between;
        // A loop break's texts are blank: its coordinates print as 0.
        const bool point = HoldsPoint(p);
        out += before + std::to_string(p.type) + sep + (point ? Trimmed(p.xText, sizeof p.xText) : "0") +
               sep + (point ? Trimmed(p.yText, sizeof p.yText) : "0") + after;
    }
    return out;
}

}  // namespace

int ReadTracedOutline(const std::string& picture, int x, int y, SampleTable& table, std::string& message,
                      const plane::PlaneSetting& plane) {
    CViewImage view;
    if (!LoadImageFileOfType(ImageFileTypeOf(picture), view.image, picture, nullptr)) {
        message = "veldrio-calc: cannot read the picture " + picture;
        return 2;
    }
    view.plane = plane;
    const trace::TraceResult result = TraceViewImage(view, x, y);
    // Rows the table holds already are replaced, as a user answering Yes would.
    const TraceVerdict verdict = JudgeTrace(result, table);
    if (verdict.step == TraceStep::Refuse) {
        message = verdict.notice.text;
        return 1;
    }
    StoreTracedRows(table, result.rows);
    return 0;
}

std::string TracedRowsText(const SampleTable& table) { return RowsJoined(table, "", ",", "\n", ""); }

std::string TracedRowsJson(const SampleTable& table) {
    return "[" + RowsJoined(table, "[", ", ", "]", ", ") + "]";
}
