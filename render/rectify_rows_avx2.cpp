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

// The program's cubic kernel at the distances d, written as CubicWeight
// is, each branch's terms in the same order.
__attribute__((always_inline)) inline __m256d Kernel(__m256d d) {
    const __m256d dd = _mm256_mul_pd(d, d);
    const __m256d ddd = _mm256_mul_pd(dd, d);
    const __m256d near = _mm256_add_pd(
        _mm256_sub_pd(_mm256_set1_pd(1.0), _mm256_mul_pd(_mm256_mul_pd(_mm256_set1_pd(2.0), d), d)), ddd);
    const __m256d far =
        _mm256_sub_pd(_mm256_add_pd(_mm256_sub_pd(_mm256_set1_pd(4.0), _mm256_mul_pd(_mm256_set1_pd(8.0), d)),
                                    _mm256_mul_pd(_mm256_mul_pd(_mm256_set1_pd(5.0), d), d)),
                      ddd);
    const __m256d belowOne = _mm256_cmp_pd(d, _mm256_set1_pd(1.0), _CMP_LT_OQ);
    const __m256d belowTwo = _mm256_cmp_pd(d, _mm256_set1_pd(2.0), _CMP_LT_OQ);
    return _mm256_and_pd(_mm256_blendv_pd(far, near, belowOne), belowTwo);
}

// RectifySetUp for four lanes at a time, the same operations per lane.
void SetUpEight(const RectifySource& job, int x, int y, int count, RectifyTaps& taps) {
    const double* m = job.m;
    const __m256d Y = _mm256_set1_pd(y);
    const __m256d absMask = _mm256_castsi256_pd(_mm256_set1_epi64x(0x7FFFFFFFFFFFFFFFLL));
    for (int half = 0; half < 2; ++half) {
        const int first = x + 4 * half;
        const __m256d X = _mm256_setr_pd(first, first + 1, first + 2, first + 3);
        auto row = [&](int i) {
            return _mm256_add_pd(_mm256_add_pd(_mm256_mul_pd(_mm256_set1_pd(m[i]), X),
                                               _mm256_mul_pd(_mm256_set1_pd(m[i + 1]), Y)),
                                 _mm256_set1_pd(m[i + 2]));
        };
        const __m256d w = row(6);
        __m256d xs = _mm256_div_pd(row(0), w);
        __m256d ys = _mm256_div_pd(row(3), w);
        const __m256d lane = _mm256_setr_pd(4 * half, 4 * half + 1, 4 * half + 2, 4 * half + 3);
        __m256d ok = _mm256_cmp_pd(lane, _mm256_set1_pd(count), _CMP_LT_OQ);
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(w, _mm256_setzero_pd(), _CMP_GT_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(xs, _mm256_set1_pd(-2.0), _CMP_GT_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(xs, _mm256_set1_pd(job.width + 1.0), _CMP_LT_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(ys, _mm256_set1_pd(-2.0), _CMP_GT_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(ys, _mm256_set1_pd(job.height + 1.0), _CMP_LT_OQ));
        // Lanes already white read from a point on the first dot.
        xs = _mm256_blendv_pd(_mm256_set1_pd(1.0), xs, ok);
        ys = _mm256_blendv_pd(_mm256_set1_pd(1.0), ys, ok);
        const __m128i one = _mm_set1_epi32(1);
        __m128i rx = _mm_max_epi32(_mm_sub_epi32(_mm256_cvttpd_epi32(xs), one), _mm_setzero_si128());
        __m128i ry = _mm_max_epi32(_mm_sub_epi32(_mm256_cvttpd_epi32(ys), one), _mm_setzero_si128());
        rx = _mm_min_epi32(rx, _mm_set1_epi32(job.width - 4));
        ry = _mm_min_epi32(ry, _mm_set1_epi32(job.height - 4));
        __m256d fx = _mm256_sub_pd(xs, _mm256_cvtepi32_pd(_mm_add_epi32(rx, one)));
        __m256d fy = _mm256_sub_pd(ys, _mm256_cvtepi32_pd(_mm_add_epi32(ry, one)));
        const __m256d low = _mm256_set1_pd(-1.0001), high = _mm256_set1_pd(2.0001);
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(fx, low, _CMP_GE_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(fy, low, _CMP_GE_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(fx, high, _CMP_LE_OQ));
        ok = _mm256_and_pd(ok, _mm256_cmp_pd(fy, high, _CMP_LE_OQ));
        const __m128i okLanes = _mm256_cvtpd_epi32(_mm256_and_pd(ok, _mm256_set1_pd(1.0)));
        rx = _mm_and_si128(rx, _mm_cmpeq_epi32(okLanes, one));
        ry = _mm_and_si128(ry, _mm_cmpeq_epi32(okLanes, one));
        fx = _mm256_and_pd(fx, ok);
        fy = _mm256_and_pd(fy, ok);
        alignas(16) int rxs[4], rys[4], oks[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(rxs), rx);
        _mm_store_si128(reinterpret_cast<__m128i*>(rys), ry);
        _mm_store_si128(reinterpret_cast<__m128i*>(oks), okLanes);
        for (int i = 0; i < 4; ++i) {
            taps.offsets[4 * half + i] = std::int64_t(rys[i]) * job.stride + rxs[i] * std::int64_t(3);
            taps.white[4 * half + i] = oks[i] == 0;
        }
        for (int t = 0; t < 4; ++t) {
            const __m256d shift = _mm256_set1_pd(t - 1);
            _mm_storeu_ps(taps.wx[t] + 4 * half,
                          _mm256_cvtpd_ps(Kernel(_mm256_and_pd(_mm256_sub_pd(shift, fx), absMask))));
            _mm_storeu_ps(taps.wy[t] + 4 * half,
                          _mm256_cvtpd_ps(Kernel(_mm256_and_pd(_mm256_sub_pd(shift, fy), absMask))));
        }
    }
}

void RectifyEight(const RectifySource& job, int x, int y, int count, std::uint8_t* out) {
    RectifyTaps taps;
    SetUpEight(job, x, y, count, taps);
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

void RectifyRowAvx2(const RectifySource& job, int y, int width, std::uint8_t* out) {
    for (int x = 0; x < width; x += kRectifyLanes)
        RectifyEight(job, x, y, width - x < kRectifyLanes ? width - x : kRectifyLanes, out + x * 3L);
}
#endif
