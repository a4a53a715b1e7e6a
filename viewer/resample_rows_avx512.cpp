// The kernel for the avx512 unit, two registers of doubles per step. Only
// this file is compiled for it; the program picks it when the processor has it.
#include "viewer/resample_rows.h"

#if defined(__x86_64__) || defined(__i386__)
#pragma GCC target("avx512f")
#define RESAMPLE_LANES 8
#include "viewer/resample_rows_lanes.h"

void ResampleRowAvx512(const KernelRow& row) { LanesRow(row); }
#endif
