// Splitting the rows of a large picture over the machine's cores.
#pragma once

#include <cstdint>
#include <functional>

// How many parts rows rows of work dots in all are worth splitting into:
// 1 for small pictures, otherwise the number of cores (at most rows).
int RowPartsFor(std::int64_t dots, int rows);

// Calls work(part, firstRow, endRow) once for each of parts consecutive,
// nearly equal ranges covering rows 0..rows-1, shared out between the
// threads of the program's worker pool and the caller's (WorkerPool::Run:
// no thread is started per call, and work may call this again); returns
// when all are done. work must not throw.
void RunRowParts(int rows, int parts, const std::function<void(int part, int firstRow, int endRow)>& work);
