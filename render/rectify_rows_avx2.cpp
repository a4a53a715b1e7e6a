// The rectifying kernel's rows compiled for AVX2 (rectify_lanes.h).
#include "render/rectify_lanes.h"
#include "render/rectify_rows.h"

#if defined(__x86_64__) || defined(__i386__)
void RectifyRowAvx2(const RectifySource& source, int y, int width, std::uint8_t* out) {
    RectifyJob job{source.bytes, source.width, source.height, source.stride, {}};
    for (int i = 0; i < 9; ++i)
        job.m[i] = source.m[i];
    RectifyRowLoop(job, y, width, out);
}
#endif
