// The kernel for the SSE2 unit, two registers of doubles per step. Only this
// file is compiled for it (the build sets its flags); the program picks it
// when the processor has it.
#include "render/row_kernel.h"

#if defined(__x86_64__) || defined(__i386__)
#define RESAMPLE_LANES 2
#include "render/resample_rows_lanes.h"

void ResampleRowSse2(const KernelRow& row) { LanesRow(row); }
void SumColumnsSse2(const double* planes, const double* columnWeights, float* sums, int count) {
    LanesSumColumns(planes, columnWeights, sums, count);
}
void SumRowsSse2(const float* const sums[4], const double rowWeights[4], std::uint32_t* dots, int count) {
    LanesSumRows(sums, rowWeights, dots, count);
}
#endif
