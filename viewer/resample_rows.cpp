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

std::vector<RowKernelVariant> SupportedRowKernels() {
    std::vector<RowKernelVariant> variants{{"scalar", ResampleRowScalar}};
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    if (__builtin_cpu_supports("sse2")) variants.push_back({"sse2", ResampleRowSse2});
    if (__builtin_cpu_supports("avx2")) variants.push_back({"avx2", ResampleRowAvx2});
    if (__builtin_cpu_supports("avx512f")) variants.push_back({"avx512", ResampleRowAvx512});
#endif
    return variants;
}

RowKernel FastestRowKernel() {
    static const RowKernel fastest = SupportedRowKernels().back().kernel;
    return fastest;
}
