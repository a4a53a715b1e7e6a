// The rectifying kernel's rows with AVX2: eight dots at a time, each tap's
// three bytes fetched for all eight by two gathers, and the very same
// single-precision products and sums as the plain rows (rectify_lanes.h),
// lane by lane in the same order, so the bytes agree.
#include "render/rectify_lanes.h"
#include "render/rectify_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>

namespace {

static_assert(kRectifyLanes == 8);

// The 4 bytes at base + offsets[lane] for the eight lanes.
__attribute__((always_inline)) inline __m256i Gather(const std::uint8_t* base, const std::int64_t* offsets) {
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(offsets));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(offsets + 4));
    const int* at = reinterpret_cast<const int*>(base);
    return _mm256_setr_m128i(_mm256_i64gather_epi32(at, low, 1), _mm256_i64gather_epi32(at, high, 1));
}

__attribute__((always_inline)) inline __m256 Channel(__m256i bytes, int shift) {
    return _mm256_cvtepi32_ps(_mm256_and_si256(_mm256_srli_epi32(bytes, shift), _mm256_set1_epi32(0xFF)));
}

void RectifyEight(const RectifyJob& job, int x, int y, int count, std::uint8_t* out) {
    RectifyTaps taps;
    RectifySetUp(job, x, y, count, taps);
    __m256 sums[3] = {_mm256_setzero_ps(), _mm256_setzero_ps(), _mm256_setzero_ps()};
    for (int k = 0; k < 4; ++k) {
        __m256 columns[3] = {_mm256_setzero_ps(), _mm256_setzero_ps(), _mm256_setzero_ps()};
        const std::uint8_t* row = job.bytes + k * job.stride;
        for (int l = 0; l < 4; ++l) {
            // The last tap column is read from one byte before it: 4 bytes
            // from its own start could pass the end of the picture.
            const bool last = l == 3;
            const __m256i bytes = Gather(row + l * 3 - (last ? 1 : 0), taps.offsets);
            const __m256 w = _mm256_loadu_ps(taps.wx[l]);
            for (int c = 0; c < 3; ++c)
                columns[c] =
                    _mm256_add_ps(columns[c], _mm256_mul_ps(w, Channel(bytes, 8 * c + (last ? 8 : 0))));
        }
        const __m256 w = _mm256_loadu_ps(taps.wy[k]);
        for (int c = 0; c < 3; ++c)
            sums[c] = _mm256_add_ps(sums[c], _mm256_mul_ps(w, columns[c]));
    }
    alignas(32) float lanes[3][kRectifyLanes];
    for (int c = 0; c < 3; ++c)
        _mm256_store_ps(lanes[c], sums[c]);
    for (int lane = 0; lane < count; ++lane)
        for (int c = 0; c < 3; ++c)
            out[lane * 3 + c] = RectifyByte(lanes[c][lane], taps.white[lane]);
}

}  // namespace

void RectifyRowAvx2(const RectifySource& source, int y, int width, std::uint8_t* out) {
    RectifyJob job{source.bytes, source.width, source.height, source.stride, {}};
    for (int i = 0; i < 9; ++i)
        job.m[i] = source.m[i];
    for (int x = 0; x < width; x += kRectifyLanes)
        RectifyEight(job, x, y, width - x < kRectifyLanes ? width - x : kRectifyLanes, out + x * 3L);
}
#endif
