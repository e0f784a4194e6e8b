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

void forEachRange(int n, int chunk, const std::function<void(int begin, int end)>& body) {
    if (n <= 0) return;
    chunk = std::max(chunk, 1);
    const int ranges = (n - 1) / chunk + 1;
    const int threads = std::min(solverThreads(), ranges);
    std::atomic<int> next{0};
    auto work = [&] {
        for (int begin; (begin = next.fetch_add(chunk)) < n;) body(begin, std::min(n, begin + chunk));
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t) {
        try {
            helpers.emplace_back(work);
        } catch (const std::system_error&) {
            break; // no more threads to be had: the ones running share the rest
        }
    }
    work();
    for (std::thread& h : helpers) h.join();
}

} // namespace tv
