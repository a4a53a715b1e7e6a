#include "render/resample_rows.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "render/pixel_swizzle.h"
#include "render/tap_weights_loop.h"

namespace {

inline std::uint32_t ClampComponent(double sum) {
    if (sum > 255.0) return 255;
    if (sum < 0.0) return 0;
    return std::uint32_t(std::int32_t(sum));
}

// One dot as a little-endian 5-6-5 word: the top 5, 6 and 5 bits of red,
// green and blue.
inline void Store565(std::uint8_t* out, unsigned red, unsigned green, unsigned blue) {
    out[0] = std::uint8_t((((green >> 2) & 7) << 5) | (blue >> 3));
    out[1] = std::uint8_t((red & 0xF8) | (green >> 5));
}

// The lane of dot j: lanes[j], or j itself when the dots are in order.
struct InOrder {
    int operator()(int j) const { return j; }
};
struct FromLanes {
    const std::uint8_t* lanes;
    int operator()(int j) const { return lanes[j]; }
};

// The kernel's word of a dot with its red and blue bytes swapped.
inline std::uint32_t SwapRedBlueWord(std::uint32_t dot) {
    return (dot & 0xFF00u) | (dot & 0xFFu) << 16 | (dot >> 16 & 0xFFu);
}

// Dots of Size (3 or 4) bytes: red, green, blue, or with SwapRB blue,
// green, red, then 0xFF in a fourth byte (opaque: a compositor may read it
// as alpha). On a little-endian machine each dot goes as one 4-byte word,
// but the last of 3-byte dots, whose fourth byte the next dot overwrites.
template <int Size, bool SwapRB, class Lane>
void PackWords(const std::uint32_t* __restrict dots, std::uint8_t* __restrict out, int count, Lane lane) {
    constexpr std::uint32_t kFourth = Size == 4 ? 0xFF000000u : 0u;
    int j = 0;
    if constexpr (std::endian::native == std::endian::little)
        for (; j + (Size == 3 ? 1 : 0) < count; ++j) {
            const std::uint32_t word = (SwapRB ? SwapRedBlueWord(dots[lane(j)]) : dots[lane(j)]) | kFourth;
            std::memcpy(out + Size * j, &word, 4);
        }
    for (; j < count; ++j) {
        const std::uint32_t word = (SwapRB ? SwapRedBlueWord(dots[lane(j)]) : dots[lane(j)]) | kFourth;
        for (int b = 0; b < Size; ++b) out[Size * j + b] = std::uint8_t(word >> (8 * b));
    }
}

template <class Lane>
void PackLanes(DotLayout layout, const std::uint32_t* dots, std::uint8_t* out, int count, Lane lane) {
    switch (layout) {
    case DotLayout::Rgb: PackWords<3, false>(dots, out, count, lane); break;
    case DotLayout::Screen16:
        for (int j = 0; j < count; ++j, out += 2) {
            const std::uint32_t dot = dots[lane(j)];
            Store565(out, dot & 0xFFu, dot >> 8 & 0xFFu, dot >> 16);
        }
        break;
    case DotLayout::Screen24: PackWords<3, true>(dots, out, count, lane); break;
    case DotLayout::Screen32: PackWords<4, true>(dots, out, count, lane); break;
    }
}

void WeighTapsPlain(const double rowWeights[4], const double* columnWeights, double* tapWeights, int count) {
    WeighTaps(rowWeights, columnWeights, tapWeights, count);
}

// Where each n dots at their lowest offset of tap column 0 read their tap
// columns side by side: first, the bytes from there to the end of the
// last tap column (0 when some dot's tap columns lie elsewhere), and each
// dot's offset from first.
struct Run {
    std::int32_t first = 0;
    std::int32_t span = 0;
};

Run RunOf(const std::int32_t* offsets, int n) {
    bool side = true;
    std::int32_t first = offsets[0], last = offsets[0];
    for (int j = 0; j < n; ++j) {
        for (int l = 1; l < 4; ++l) side = side && offsets[l * KERNEL_STRIP + j] == offsets[j] + 3 * l;
        first = std::min(first, offsets[j]);
        last = std::max(last, offsets[j]);
    }
    return {first, side ? last - first + 12 : 0};
}

}  // namespace

// The same products whatever the width of the vector unit that makes them.
void TapWeights(const double rowWeights[4], const double* columnWeights, double* tapWeights, int count) {
    using Weigh = void (*)(const double*, const double*, double*, int);
    static const Weigh weigh = [] {
#if defined(__x86_64__) || defined(__i386__)
        __builtin_cpu_init();
        if (__builtin_cpu_supports("avx512f")) return Weigh(TapWeightsAvx512);
#endif
        return Weigh(WeighTapsPlain);
    }();
    weigh(rowWeights, columnWeights, tapWeights, count);
}

void ColumnTaps(const double* columnWeights, std::uint8_t* groupColumns, int count) {
    for (int group = 0; group * KERNEL_LANES < count; ++group) {
        unsigned columns = 0;
        for (int l = 0; l < 4; ++l)
            for (int i = 0; i < KERNEL_LANES; ++i)
                if (columnWeights[l * KERNEL_STRIP + group * KERNEL_LANES + i] != 0.0) columns |= 1u << l;
        groupColumns[group] = std::uint8_t(columns);
    }
}

void TapMasks(const double rowWeights[4], const std::uint8_t* groupColumns, std::uint16_t* taps, int groups) {
    unsigned rows = 0;
    for (int k = 0; k < 4; ++k)
        if (rowWeights[k] != 0.0) rows |= 1u << (4 * k);
    for (int group = 0; group < groups; ++group) taps[group] = std::uint16_t(rows * groupColumns[group]);
}

void ResampleRowScalar(const KernelRow& row) {
    constexpr long stride = KERNEL_STRIP;
    for (int j = 0; j < row.count; ++j) {
        double r = 0.0, g = 0.0, b = 0.0;
        for (int k = 0; k < 4; ++k) {
            const double* values = row.rowValues[k] + j;
            for (int l = 0; l < 4; ++l) {
                const double w = row.tapWeights[(4 * k + l) * stride + j];
                r += w * values[(3 * l) * stride];
                g += w * values[(3 * l + 1) * stride];
                b += w * values[(3 * l + 2) * stride];
            }
        }
        row.dots[j] = ClampComponent(r) | ClampComponent(g) << 8 | ClampComponent(b) << 16;
    }
}

int ExactExponent(const double* weights, int count) {
    int least = 0;
    for (int i = 0; i < count; ++i) {
        const double weight = weights[i];
        if (weight == 0.0) continue;
        if (!std::isfinite(weight)) return -1;
        int exponent = 0;
        // weight = mantissa x 2^exponent, the mantissa's 53 bits a whole
        // number over 2^53 whose trailing zeros need no power of two.
        const double mantissa = std::frexp(std::fabs(weight), &exponent);
        const auto bits = std::uint64_t(std::ldexp(mantissa, 53));
        least = std::max(least, 53 - std::countr_zero(bits) - exponent);
    }
    return least > 60 ? -1 : least;
}

double ExactNumerators(int exponent, double mass) {
    return exponent < 0 ? HUGE_VAL : std::ldexp(mass, exponent);
}

void SumColumnsScalar(const double* planes, const double* columnWeights, float* sums, int count) {
    for (int c = 0; c < 3; ++c)
        for (int j = 0; j < count; ++j) {
            double sum = 0.0;
            for (int l = 0; l < 4; ++l) sum += columnWeights[l * KERNEL_STRIP + j] * planes[(3 * l + c) * KERNEL_STRIP + j];
            sums[c * KERNEL_STRIP + j] = float(sum);
        }
}

void SumRowsScalar(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count) {
    for (int j = 0; j < count; ++j) {
        std::uint32_t dot = 0;
        for (int c = 0; c < 3; ++c) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += float(rowWeights[k]) * sums[k][c * KERNEL_STRIP + j];
            dot |= ClampComponent(sum) << (8 * c);
        }
        dots[j] = dot;
    }
}

void SpreadRowScalar(const std::uint8_t* src, const SpreadPlan& plan, double* planes, int count) {
    for (int l = 0; l < 4; ++l) {
        double* red = planes + 3 * l * KERNEL_STRIP;
        double* green = red + KERNEL_STRIP;
        double* blue = green + KERNEL_STRIP;
        for (int j = 0; j < count; ++j) {
            const std::uint8_t* dot = src + plan.offsets[l * KERNEL_STRIP + j];
            red[j] = dot[0];
            green[j] = dot[1];
            blue[j] = dot[2];
        }
    }
}

void PlanGroups(SpreadPlan& plan) {
    plan.near = true;
    for (int part = 0; part < KERNEL_STRIP / 16; ++part) {
        const Run run = RunOf(plan.offsets + 16 * part, 16);
        const bool near = run.span > 0 && run.span <= 64;
        plan.nearFirst[part] = run.first;
        plan.nearSpan[part] = near ? run.span : 0;
        for (int j = 16 * part; j < 16 * part + 16; ++j)
            plan.nearColumn[j] = std::uint8_t(near ? (plan.offsets[j] - run.first) / 3 : 0);
        plan.near = plan.near && near;
    }
    for (int group = 0; group < KERNEL_STRIP / 8; ++group) {
        const std::int32_t* at = plan.offsets + 8 * group;
        const Run run = RunOf(at, 8);
        plan.first[group] = run.first;
        plan.span[group] = run.span;
        for (int j = 0; j < 8; ++j) {
            plan.at[8 * group + j] = std::uint8_t(run.span > 0 && run.span <= 64 ? at[j] - run.first : 0);
            plan.column[8 * group + j] = std::uint8_t(run.span > 0 && run.span <= 48 ? (at[j] - run.first) / 3 : 0);
        }
    }
}

void PackDots(DotLayout layout, const std::uint32_t* dots, std::uint8_t* out, int count,
              const std::uint8_t* lanes) {
    if (lanes)
        PackLanes(layout, dots, out, count, FromLanes{lanes});
    else
        PackLanes(layout, dots, out, count, InOrder{});
}

void ConvertDots(DotLayout layout, const std::uint8_t* rgb, std::uint8_t* out, int count) {
    switch (layout) {
    case DotLayout::Rgb: std::memcpy(out, rgb, std::size_t(count) * 3); break;
    case DotLayout::Screen16:
        for (int j = 0; j < count; ++j, rgb += 3, out += 2) Store565(out, rgb[0], rgb[1], rgb[2]);
        break;
    case DotLayout::Screen24: SwapRedBlue(rgb, out, count); break;
    case DotLayout::Screen32:
        for (int j = 0; j < count; ++j, rgb += 3, out += 4) {
            out[0] = rgb[2];
            out[1] = rgb[1];
            out[2] = rgb[0];
            out[3] = 0xFF;
        }
        break;
    }
}

std::vector<RowKernelVariant> SupportedRowKernels() {
    std::vector<RowKernelVariant> variants{
        {"scalar", ResampleRowScalar, SpreadRowScalar, PackDots, SumColumnsScalar, SumRowsScalar, nullptr}};
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("sse2"))
        variants.push_back({"sse2", ResampleRowSse2, SpreadRowScalar, PackDots, SumColumnsSse2, SumRowsSse2, nullptr});
    if (__builtin_cpu_supports("avx2"))
        variants.push_back({"avx2", ResampleRowAvx2, SpreadRowAvx2, PackDots, SumColumnsAvx2, SumRowsAvx2, nullptr});
    if (__builtin_cpu_supports("avx512f"))
        variants.push_back(
            {"avx512", ResampleRowAvx512, SpreadRowAvx512, PackDots, SumColumnsAvx512, SumRowsAvx512, nullptr});
    if (__builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
        __builtin_cpu_supports("avx512dq") && __builtin_cpu_supports("avx512vbmi"))
        variants.push_back({"avx512vbmi", ResampleRowAvx512, SpreadRowAvx512Vbmi, PackDotsAvx512Vbmi,
                            SumColumnsAvx512, SumRowsAvx512, SumNearColumnsAvx512Vbmi});
#endif
    return variants;
}

const RowKernelVariant& FastestRowKernel() {
    static const RowKernelVariant fastest = SupportedRowKernels().back();
    return fastest;
}
