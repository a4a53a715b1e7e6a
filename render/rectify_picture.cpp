#include "render/rectify_picture.h"

#include <atomic>

#include "render/parallel_rows.h"
#include "render/rectify_lanes.h"
#include "render/rectify_rows.h"

namespace {

std::atomic<bool> forcePlain{false};

RectifyRow ChosenRow() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool avx2 = [] {
        __builtin_cpu_init();
        return __builtin_cpu_supports("avx2") != 0;
    }();
    if (avx2 && !forcePlain) return RectifyRowAvx2;
#endif
    return RectifyRowPlain;
}

}  // namespace

void RectifyRowPlain(const RectifySource& source, int y, int width, std::uint8_t* out) {
    RectifyRowLoop(source, y, width, out);
}

void UsePlainRectify(bool plain) { forcePlain = plain; }

const char* RectifyLevel() { return ChosenRow() == RectifyRowPlain ? "plain" : "avx2"; }

bool RectifyPicture(const RgbView& source, const double outToSource[9], int outWidth, int outHeight,
                    std::uint8_t* out, std::ptrdiff_t outStride) {
    if (!IsReadable(source) || source.width < 4 || source.height < 4 || outWidth <= 0 || outHeight <= 0 ||
        out == nullptr || outStride < std::ptrdiff_t(outWidth) * 3)
        return false;
    RectifySource s;
    s.bytes = source.bytes;
    s.width = source.width;
    s.height = source.height;
    s.stride = long(source.stride);
    for (int i = 0; i < 9; ++i)
        s.m[i] = outToSource[i];
    const RectifyRow row = ChosenRow();
    const int parts = RowPartsFor(std::int64_t(outWidth) * outHeight, outHeight);
    RunRowParts(outHeight, parts, [&](int, int first, int end) {
        for (int y = first; y < end; ++y)
            row(s, y, outWidth, out + std::ptrdiff_t(y) * outStride);
    });
    return true;
}
