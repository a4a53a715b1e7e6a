#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

#include "render/parallel_rows.h"
#include "render/worker_pool.h"

namespace {

// Counts of how often each part ran.
struct PartCounts {
    explicit PartCounts(int parts) : counts(std::size_t(parts)) {}
    void Ran(int part) { ++counts[std::size_t(part)]; }
    bool EachOnce() const {
        for (const std::atomic<int>& count : counts)
            if (count != 1) return false;
        return true;
    }
    std::vector<std::atomic<int>> counts;
};

}  // namespace

TEST(WorkerPool, EveryPartRunsExactlyOnceCallAfterCall) {
    WorkerPool pool(3);
    ASSERT_EQ(pool.threads(), 3);
    for (int call = 0; call < 300; ++call) {
        const int parts = 1 + call % 23;
        PartCounts ran(parts);
        pool.Run(parts, [&](int part) { ran.Ran(part); });
        ASSERT_TRUE(ran.EachOnce()) << "call " << call << ", " << parts << " parts";
    }
}

TEST(WorkerPool, PartsRunSideBySideOnThePoolAndTheCaller) {
    // Each part waits for the other to start: done one after the other they
    // would wait out the deadline.
    WorkerPool pool(1);
    std::atomic<int> started{0};
    std::atomic<bool> met{true};
    std::set<std::thread::id> threads;
    std::mutex mutex;
    pool.Run(2, [&](int) {
        ++started;
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (started < 2 && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        if (started < 2) met = false;
        const std::lock_guard lock(mutex);
        threads.insert(std::this_thread::get_id());
    });
    EXPECT_TRUE(met);
    EXPECT_EQ(threads.size(), 2u);
    EXPECT_EQ(threads.count(std::this_thread::get_id()), 1u);
}

TEST(WorkerPool, WorkThatAsksForWorkRunsItWithoutWaitingForItself) {
    // Every part of every level asks the same pool again: the parts on the
    // pool's threads run theirs in place, the caller's are shared out.
    WorkerPool pool(2);
    for (int round = 0; round < 50; ++round) {
        PartCounts outer(4);
        std::vector<PartCounts> inner;
        for (int i = 0; i < 4; ++i)
            inner.emplace_back(5);
        std::atomic<int> innermost{0};
        pool.Run(4, [&](int part) {
            outer.Ran(part);
            pool.Run(5, [&](int subpart) {
                inner[std::size_t(part)].Ran(subpart);
                pool.Run(3, [&](int) { ++innermost; });
            });
        });
        ASSERT_TRUE(outer.EachOnce());
        for (const PartCounts& counts : inner)
            ASSERT_TRUE(counts.EachOnce());
        ASSERT_EQ(innermost, 4 * 5 * 3);
    }
}

TEST(WorkerPool, CallersOnManyThreadsEachGetAllTheirParts) {
    WorkerPool pool(2);
    std::atomic<int> wrong{0};
    std::vector<std::thread> callers;
    for (int caller = 0; caller < 4; ++caller)
        callers.emplace_back([&, caller] {
            for (int call = 0; call < 200; ++call) {
                const int parts = 2 + (call + caller) % 9;
                PartCounts ran(parts);
                pool.Run(parts, [&](int part) { ran.Ran(part); });
                if (!ran.EachOnce()) ++wrong;
            }
        });
    for (std::thread& caller : callers)
        caller.join();
    EXPECT_EQ(wrong, 0);
}

TEST(WorkerPool, WithoutThreadsTheCallerDoesEveryPartInOrder) {
    WorkerPool pool(0);
    const std::thread::id caller = std::this_thread::get_id();
    std::vector<int> order;
    pool.Run(5, [&](int part) {
        EXPECT_EQ(std::this_thread::get_id(), caller);
        order.push_back(part);
    });
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, 3, 4}));
    pool.Run(0, [&](int) { ADD_FAILURE() << "no part to run"; });
}

TEST(RunRowParts, RangesCoverEveryRowOnceInOrderOfTheirParts) {
    for (const auto& [rows, parts] :
         std::vector<std::pair<int, int>>{{1, 1}, {7, 3}, {100, 8}, {3, 9}, {1000, 7}}) {
        SCOPED_TRACE(testing::Message() << rows << " rows in " << parts << " parts");
        const int used = std::min(parts, rows);
        std::vector<std::pair<int, int>> ranges(std::size_t(used), {-1, -1});
        std::vector<std::atomic<int>> covered(static_cast<std::size_t>(rows));
        RunRowParts(rows, parts, [&](int part, int first, int end) {
            ranges[std::size_t(part)] = {first, end};
            for (int row = first; row < end; ++row)
                ++covered[std::size_t(row)];
        });
        for (int i = 0; i < used; ++i) {
            EXPECT_EQ(ranges[std::size_t(i)].first, i == 0 ? 0 : ranges[std::size_t(i - 1)].second);
            EXPECT_GE(ranges[std::size_t(i)].second - ranges[std::size_t(i)].first, rows / used);
        }
        EXPECT_EQ(ranges.back().second, rows);
        for (const std::atomic<int>& count : covered)
            EXPECT_EQ(count, 1);
    }
}
