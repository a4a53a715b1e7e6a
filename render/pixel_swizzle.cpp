#include "render/pixel_swizzle.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define VELDRIO_SWIZZLE_SSSE3 1
#endif

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

#ifdef VELDRIO_SWIZZLE_SSSE3

// Five pixels per 16-byte step; the 16th byte written is rewritten by the
// next step. The steps stop while 6 pixels remain, so no load or store
// passes the end of the row.
__attribute__((target("ssse3"))) void SwapRedBlueSsse3(const std::uint8_t* src, std::uint8_t* dst,
                                                         int pixels) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    int i = 0;
    for (; i + 6 <= pixels; i += 5, src += 15, dst += 15) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_shuffle_epi8(v, order));
    }
    SwapRedBluePlain(src, dst, pixels - i);
}

// Four pixels per step, 12 bytes kept of the 16 written.
__attribute__((target("ssse3"))) void BgrxToRgbSsse3(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int i = 0;
    for (; i + 6 <= pixels; i += 4, src += 16, dst += 12) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_shuffle_epi8(v, order));
    }
    BgrxToRgbPlain(src, dst, pixels - i);
}

bool HasSsse3() {
    static const bool has = __builtin_cpu_supports("ssse3");
    return has;
}

#endif

}  // namespace

void SwapRedBlue(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
#ifdef VELDRIO_SWIZZLE_SSSE3
    if (HasSsse3()) return SwapRedBlueSsse3(src, dst, pixels);
#endif
    SwapRedBluePlain(src, dst, pixels);
}

void BgrxToRgb(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
#ifdef VELDRIO_SWIZZLE_SSSE3
    if (HasSsse3()) return BgrxToRgbSsse3(src, dst, pixels);
#endif
    BgrxToRgbPlain(src, dst, pixels);
}
