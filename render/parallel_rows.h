// Splitting the rows of a large picture over the machine's cores.
#pragma once

#include <cstdint>
#include <functional>

// How many parts rows rows of work dots in all are worth splitting into:
// 1 for small pictures, otherwise the number of cores (at most rows).
int RowPartsFor(std::int64_t dots, int rows);

// Calls work(part, firstRow, endRow) for parts consecutive, nearly equal
// ranges covering rows 0..rows-1, each on its own thread but the last, which
// runs on the caller's; returns when all are done. A thread that cannot be
// started leaves its rows to the caller's thread. work must not throw.
void RunRowParts(int rows, int parts, const std::function<void(int part, int firstRow, int endRow)>& work);
