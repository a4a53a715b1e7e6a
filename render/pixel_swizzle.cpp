#include "render/pixel_swizzle.h"

#include "render/pixel_swizzle_ssse3.h"

namespace {

void SwapRedBluePlain(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
    for (int i = 0; i < pixels; ++i, src += 3, dst += 3) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
    }
}

void BgrxToRgbPlain(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
    for (int i = 0; i < pixels; ++i, src += 4, dst += 3) {
        dst[0] = src[2];
        dst[1] = src[1];
        dst[2] = src[0];
    }
}

bool HasSsse3() {
#if defined(__x86_64__) || defined(__i386__)
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
#else
    return false;
#endif
}

}  // namespace

void SwapRedBlue(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
    int done = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (HasSsse3()) done = SwapRedBlueSsse3(src, dst, pixels);
#endif
    SwapRedBluePlain(src + 3 * done, dst + 3 * done, pixels - done);
}

void BgrxToRgb(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
    int done = 0;
#if defined(__x86_64__) || defined(__i386__)
    if (HasSsse3()) done = BgrxToRgbSsse3(src, dst, pixels);
#endif
    BgrxToRgbPlain(src + 4 * done, dst + 3 * done, pixels - done);
}
