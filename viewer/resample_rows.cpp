#include "viewer/resample_rows.h"

#include <bit>
#include <cstring>

#include "image/pixel_swizzle.h"

namespace {

inline std::int32_t ClampComponent(double sum) {
    if (sum > 255.0) return 255;
    if (sum < 0.0) return 0;
    return std::int32_t(sum);
}

// One dot as a little-endian 5-6-5 word: the top 5, 6 and 5 bits of red,
// green and blue.
inline void Store565(std::uint8_t* out, unsigned red, unsigned green, unsigned blue) {
    out[0] = std::uint8_t((((green >> 2) & 7) << 5) | (blue >> 3));
    out[1] = std::uint8_t((red & 0xF8) | (green >> 5));
}

// Dots of Size bytes with red, green and blue at bytes R, G and B, and 0
// in a fourth byte when there is one. Nothing written overlaps the sums.
template <int R, int G, int B, int Size>
void PackBytes(const std::int32_t* __restrict red, const std::int32_t* __restrict green,
               const std::int32_t* __restrict blue, std::uint8_t* __restrict out, int count) {
    for (int j = 0; j < count; ++j) {
        std::uint8_t* dot = out + Size * j;
        dot[R] = std::uint8_t(red[j]);
        dot[G] = std::uint8_t(green[j]);
        dot[B] = std::uint8_t(blue[j]);
        if constexpr (Size == 4) dot[3] = 0;
    }
}

// Dots of 4 bytes blue, green, red, 0 written as little-endian words,
// which the compiler turns into whole vectors.
void PackWords(const std::int32_t* __restrict red, const std::int32_t* __restrict green,
               const std::int32_t* __restrict blue, std::uint8_t* __restrict out, int count) {
    for (int j = 0; j < count; ++j) {
        const std::uint32_t word = std::uint32_t(blue[j]) | std::uint32_t(green[j]) << 8 | std::uint32_t(red[j]) << 16;
        std::memcpy(out + 4 * j, &word, 4);
    }
}

// Dots of 3 bytes with red, green and blue at bytes R, G and B. On a
// little-endian machine each but the last goes as one 4-byte word whose
// fourth byte the next dot then overwrites.
template <int R, int G, int B>
void PackTriples(const std::int32_t* __restrict red, const std::int32_t* __restrict green,
                 const std::int32_t* __restrict blue, std::uint8_t* __restrict out, int count) {
    int j = 0;
    if constexpr (std::endian::native == std::endian::little)
        for (; j + 1 < count; ++j) {
            const std::uint32_t word = std::uint32_t(red[j]) << (8 * R) | std::uint32_t(green[j]) << (8 * G) |
                                       std::uint32_t(blue[j]) << (8 * B);
            std::memcpy(out + 3 * j, &word, 4);
        }
    PackBytes<R, G, B, 3>(red + j, green + j, blue + j, out + 3 * j, count - j);
}

}  // namespace

void ResampleRowScalar(const KernelRow& row) {
    const long stride = row.planeStride;
    for (int j = 0; j < row.count; ++j) {
        double r = 0.0, g = 0.0, b = 0.0;
        for (int k = 0; k < 4; ++k) {
            const double wy = row.rowWeights[k];
            const double* values = row.rowValues[k] + j;
            for (int l = 0; l < 4; ++l) {
                const double w = wy * row.columnWeights[l * stride + j];
                r += w * values[(3 * l) * stride];
                g += w * values[(3 * l + 1) * stride];
                b += w * values[(3 * l + 2) * stride];
            }
        }
        row.red[j] = ClampComponent(r);
        row.green[j] = ClampComponent(g);
        row.blue[j] = ClampComponent(b);
    }
}

void SpreadRowScalar(const std::uint8_t* src, const std::int32_t* offsets, double* planes, int stride,
                     int count) {
    for (int l = 0; l < 4; ++l) {
        double* red = planes + 3 * l * stride;
        double* green = red + stride;
        double* blue = green + stride;
        for (int j = 0; j < count; ++j) {
            const std::uint8_t* dot = src + offsets[l * stride + j];
            red[j] = dot[0];
            green[j] = dot[1];
            blue[j] = dot[2];
        }
    }
}

void PackDots(DotLayout layout, const std::int32_t* red, const std::int32_t* green, const std::int32_t* blue,
              std::uint8_t* out, int count) {
    switch (layout) {
    case DotLayout::Rgb: PackTriples<0, 1, 2>(red, green, blue, out, count); break;
    case DotLayout::Screen16:
        for (int j = 0; j < count; ++j, out += 2) Store565(out, unsigned(red[j]), unsigned(green[j]), unsigned(blue[j]));
        break;
    case DotLayout::Screen24: PackTriples<2, 1, 0>(red, green, blue, out, count); break;
    case DotLayout::Screen32:
        if constexpr (std::endian::native == std::endian::little)
            PackWords(red, green, blue, out, count);
        else
            PackBytes<2, 1, 0, 4>(red, green, blue, out, count);
        break;
    }
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
            out[3] = 0;
        }
        break;
    }
}

std::vector<RowKernelVariant> SupportedRowKernels() {
    std::vector<RowKernelVariant> variants{{"scalar", ResampleRowScalar, SpreadRowScalar}};
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("sse2")) variants.push_back({"sse2", ResampleRowSse2, SpreadRowScalar});
    if (__builtin_cpu_supports("avx2")) variants.push_back({"avx2", ResampleRowAvx2, SpreadRowAvx2});
    if (__builtin_cpu_supports("avx512f"))
        variants.push_back({"avx512", ResampleRowAvx512, SpreadRowAvx512});
#endif
    return variants;
}

const RowKernelVariant& FastestRowKernel() {
    static const RowKernelVariant fastest = SupportedRowKernels().back();
    return fastest;
}
