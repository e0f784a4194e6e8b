#include "solver/solver_threads.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

namespace tv {

namespace {

thread_local int chosenThreads = 0;

int solverThreads() {
    if (chosenThreads > 0) return chosenThreads;
    return std::max(1u, std::thread::hardware_concurrency());
}

} // namespace

void setSolverThreads(int count) { chosenThreads = std::max(count, 0); }

int rangeThreads(int n, int chunk) {
    if (n <= 0) return 0;
    const int ranges = (n - 1) / std::max(chunk, 1) + 1;
    return std::min(solverThreads(), ranges);
}

void forEachRangeOnThreads(int n, int chunk, const std::function<void(int begin, int end, int thread)>& body) {
    if (n <= 0) return;
    chunk = std::max(chunk, 1);
    const int threads = rangeThreads(n, chunk);
    std::atomic<int> next{0};
    auto work = [&](int thread) {
        for (int begin; (begin = next.fetch_add(chunk)) < n;) body(begin, std::min(n, begin + chunk), thread);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work, t);
        } catch (const std::system_error&) {
            break; // no more threads to be had: the ones running share the rest
        }
    }
    work(0);
    for (std::thread& h : helpers) h.join();
}

void forEachRange(int n, int chunk, const std::function<void(int begin, int end)>& body) {
    forEachRangeOnThreads(n, chunk, [&](int begin, int end, int) { body(begin, end); });
}

} // namespace tv
