#include "viewer/resample_rows.h"

namespace {

inline std::int32_t ClampComponent(double sum) {
    if (sum > 255.0) return 255;
    if (sum < 0.0) return 0;
    return std::int32_t(sum);
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
