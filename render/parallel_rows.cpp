#include "render/parallel_rows.h"

#include <algorithm>
#include <system_error>
#include <thread>
#include <vector>

namespace {
// Below this many dots a picture is done on one thread.
constexpr std::int64_t MIN_SPLIT_DOTS = 65536;
}  // namespace

int RowPartsFor(std::int64_t dots, int rows) {
    if (dots < MIN_SPLIT_DOTS || rows < 2) return 1;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return int(std::min<unsigned>(cores, unsigned(rows)));
}

void RunRowParts(int rows, int parts, const std::function<void(int, int, int)>& work) {
    parts = std::max(1, std::min(parts, rows));
    std::vector<std::thread> workers;
    int first = 0;
    int part = 0;
    try {
        workers.reserve(std::size_t(parts));
        for (; part + 1 < parts; ++part) {
            const int end = int(std::int64_t(rows) * (part + 1) / parts);
            workers.emplace_back(work, part, first, end);
            first = end;
        }
    } catch (const std::exception&) {
        // No more threads: the rest is done here.
    }
    work(part, first, rows);
    for (auto& worker : workers) worker.join();
}
