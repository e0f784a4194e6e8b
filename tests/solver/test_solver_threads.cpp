// The solver's loops on started-and-joined threads: every row exactly once, whatever the split,
// no more threads than the calling thread allows, and each thread index on one thread.
#include "solver/solver_threads.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <mutex>
#include <set>
#include <thread>
#include <vector>

namespace tv {
namespace {

struct Split {
    int n, chunk, threads;
};

class RangeSplit : public ::testing::TestWithParam<Split> {
protected:
    void TearDown() override { setSolverThreads(0); }
};

TEST_P(RangeSplit, EveryRowOnceInRangesOfTheChunkOnTheAllowedThreads) {
    const Split s = GetParam();
    setSolverThreads(s.threads);
    std::vector<std::atomic<int>> visits(std::max(s.n, 0));
    std::mutex lock;
    std::set<std::thread::id> threads;
    std::map<int, std::thread::id> threadOfIndex; // an index is one thread's own scratch
    const int allowed = rangeThreads(s.n, s.chunk); // the calling thread's count
    forEachRangeOnThreads(s.n, s.chunk, [&](int begin, int end, int index) {
        EXPECT_LT(begin, end);
        EXPECT_LE(end - begin, std::max(s.chunk, 1));
        for (int i = begin; i < end; ++i) ++visits[i];
        std::lock_guard<std::mutex> guard(lock);
        threads.insert(std::this_thread::get_id());
        EXPECT_TRUE(index >= 0 && index < allowed) << index;
        EXPECT_EQ(threadOfIndex.emplace(index, std::this_thread::get_id()).first->second, std::this_thread::get_id());
    });
    for (int i = 0; i < s.n; ++i) EXPECT_EQ(visits[i], 1) << "row " << i;
    if (s.threads > 0) {
        EXPECT_LE(int(threads.size()), s.threads);
    }
    if (s.threads == 1 && s.n > 0) {
        EXPECT_EQ(*threads.begin(), std::this_thread::get_id());
    }
}

INSTANTIATE_TEST_SUITE_P(Rows, RangeSplit,
                         ::testing::Values(Split{0, 8, 0}, Split{-3, 8, 0}, Split{1, 8, 0}, Split{7, 8, 2},
                                           Split{8, 8, 2}, Split{9, 8, 2}, Split{1000, 1, 3}, Split{1000, 64, 0},
                                           Split{65, 64, 1}, Split{10, 0, 2}));

// The setting belongs to the thread that made it: the live calculation's one thread leaves the
// window's calculations their processors.
TEST(SolverThreads, TheSettingIsTheCallingThreadsOwn) {
    setSolverThreads(1);
    std::set<std::thread::id> seen;
    std::mutex lock;
    std::thread other([&] {
        forEachRange(400, 1, [&](int, int) {
            std::this_thread::sleep_for(std::chrono::microseconds(50));
            std::lock_guard<std::mutex> guard(lock);
            seen.insert(std::this_thread::get_id());
        });
    });
    other.join();
    setSolverThreads(0);
    if (std::thread::hardware_concurrency() > 1) {
        EXPECT_GT(seen.size(), 1u);
    }
}

} // namespace
} // namespace tv
