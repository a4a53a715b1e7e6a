#include "calc/traced_outline.h"

#include <cstdio>

#include "app/image_file_loader.h"
#include "data/sample_table.h"
#include "image/view_image.h"
#include "viewer/figure_tracing.h"

namespace {

const char* Trimmed(const char* cell) {
    while (*cell == ' ') ++cell;
    return cell;
}

}  // namespace

int ReadTracedOutline(const std::string& picture, int x, int y, SampleTable& table) {
    CViewImage view;
    if (!LoadImageFileOfType(ImageFileTypeOf(picture), view.image, picture, nullptr)) {
        std::fprintf(stderr, "veldrio-calc: cannot read the picture %s\n", picture.c_str());
        return 2;
    }
    FigureTracing tracing;
    if (!tracing.TraceAt(view, x, y, table, nullptr)) return 1;
    for (int i = 0; i < table.count; ++i) {
        const SamplePoint& p = table.rows[std::size_t(i)];
        std::printf("%d,%s,%s\n", p.type, Trimmed(p.xText), Trimmed(p.yText));
    }
    return 0;
}
