#include "render/parallel_rows.h"

#include <algorithm>
#include <thread>

#include "render/worker_pool.h"

namespace {
// Below this many dots a picture is done on one thread.
constexpr std::int64_t kMinSplitDots = 65536;
}  // namespace

int RowPartsFor(std::int64_t dots, int rows) {
    if (dots < kMinSplitDots || rows < 2) return 1;
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    return int(std::min<unsigned>(cores, unsigned(rows)));
}

void RunRowParts(int rows, int parts, const std::function<void(int, int, int)>& work) {
    parts = std::max(1, std::min(parts, rows));
    if (parts == 1) {
        work(0, 0, rows);
        return;
    }
    WorkerPool::Shared().Run(parts, [&](int part) {
        work(part, int(std::int64_t(rows) * part / parts), int(std::int64_t(rows) * (part + 1) / parts));
    });
}
