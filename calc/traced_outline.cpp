#include "calc/traced_outline.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "app/image_file_loader.h"
#include "data/sample_table.h"
#include "image/view_image.h"
#include "viewer/figure_tracing.h"

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
        out += before + std::to_string(p.type) + sep + Trimmed(p.xText, sizeof p.xText) + sep +
               Trimmed(p.yText, sizeof p.yText) + after;
    }
    return out;
}

}  // namespace

int ReadTracedOutline(const std::string& picture, int x, int y, SampleTable& table) {
    CViewImage view;
    if (!LoadImageFileOfType(ImageFileTypeOf(picture), view.image, picture, nullptr)) {
        std::fprintf(stderr, "veldrio-calc: cannot read the picture %s\n", picture.c_str());
        return 2;
    }
    FigureTracing tracing;
    return tracing.TraceAt(view, x, y, table, nullptr) ? 0 : 1;
}

std::string TracedRowsText(const SampleTable& table) { return RowsJoined(table, "", ",", "\n", ""); }

std::string TracedRowsJson(const SampleTable& table) { return "[" + RowsJoined(table, "[", ", ", "]", ", ") + "]"; }
