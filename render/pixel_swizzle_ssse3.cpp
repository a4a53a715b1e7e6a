#include "render/pixel_swizzle_ssse3.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

// Five pixels per 16-byte step; the 16th byte written is rewritten by the
// next step. The steps stop while 6 pixels remain, so no load or store
// passes the end of the row.
int SwapRedBlueSsse3(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 14, 13, 12, 15);
    int i = 0;
    for (; i + 6 <= pixels; i += 5, src += 15, dst += 15) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_shuffle_epi8(v, order));
    }
    return i;
}

// Four pixels per step, 12 bytes kept of the 16 written.
int BgrxToRgbSsse3(const std::uint8_t* src, std::uint8_t* dst, int pixels) {
    const __m128i order = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int i = 0;
    for (; i + 6 <= pixels; i += 4, src += 16, dst += 12) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_shuffle_epi8(v, order));
    }
    return i;
}
#endif
