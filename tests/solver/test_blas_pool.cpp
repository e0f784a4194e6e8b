// The linear algebra library's workers under an address-space limit: none is left retrying its
// buffer for the exit or a fork to wait on, and the main thread's stack is there before the
// library's recursion needs it.
#include "solver/blas_pool.h"
#include "solver/calculation.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

namespace tv {
namespace {

constexpr std::size_t MB = std::size_t{1} << 20;

TEST(BlasPool, TheWorkersAreKeptOnlyWhereTheirBuffersAndTheLargestCalculationFit) {
    const struct {
        const char* what;
        std::optional<std::size_t> room;
        int pool, mapped, threads;
    } rows[] = {
        {"no limit", std::nullopt, 8, 0, 8},
        {"room for the missing buffer and the calculation", kBlasThreadBufferBytes + kLargestCalculationBytes, 2, 0, 2},
        {"a missing buffer does not fit beside the calculation", kBlasThreadBufferBytes + kLargestCalculationBytes - MB, 2, 0, 1},
        {"the buffers are held, the calculation fits", kLargestCalculationBytes, 2, 1, 2},
        {"the buffers are held, the calculation does not fit", kLargestCalculationBytes - MB, 2, 1, 1},
        {"seven workers, three buffers missing", 3 * kBlasThreadBufferBytes + kLargestCalculationBytes, 8, 4, 8},
        {"a single thread has no workers", 0, 1, 0, 1},
    };
    for (const auto& r : rows) EXPECT_EQ(blasThreadsForRoom(r.room, r.pool, r.mapped), r.threads) << r.what;
}

/// Runs the probe program `times` times under `kilobytes` of address space; the exits that were
/// not "forked" with status 0 (a hang ends at timeout's 124), as "status:output".
std::string probeFailures(int kilobytes, int times) {
    std::string failures;
    for (int i = 0; i < times; ++i) {
        const std::string command = "ulimit -v " + std::to_string(kilobytes) +
                                    "; exec timeout 10 " TV_BLAS_CORE_PROBE " --fork 2>&1";
        std::FILE* out = popen(command.c_str(), "r");
        if (!out) return "(not started)";
        char line[256] = {};
        const bool read = std::fgets(line, sizeof line, out) != nullptr;
        const int raw = pclose(out);
        const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
        if (status != 0 || !read || std::string(line).rfind("forked ", 0) != 0)
            failures += std::to_string(status) + ":" + line + " ";
    }
    return failures;
}

// A worker that could not get its buffer used to retry for ever, and the fork handler and the
// exit handler joined it: at 150 MB every run, at 240 MB about one in two, never ended.
TEST(BlasPool, UnderAMemoryLimitNeitherAForkNorTheEndWaitsForAWorker) {
#if defined(__SANITIZE_ADDRESS__) || defined(__has_feature)
#if defined(__SANITIZE_ADDRESS__) || __has_feature(address_sanitizer)
    GTEST_SKIP() << "AddressSanitizer reserves more address space than any such limit";
#endif
#endif
    for (int megabytes : {150, 200, 240, 300, 450})
        EXPECT_EQ(probeFailures(megabytes * 1024, 8), "") << megabytes << " MB";
}

// The parallel factorisation recurses about 540 KB of stack per level on the calling thread; the
// main thread's stack grows on demand, and under a limit a growth that finds no room is SIGSEGV.
// The probe finds the room and the stack is grown before the library runs. Without a limit
// nothing can take that room, and the stack is left to grow as the library goes.
TEST(BlasPool, UnderALimitTheProbeGrowsTheMainThreadsStackToTheLibrarysDepth) {
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_AS, &before), 0);
    rlimit vast = before;
    vast.rlim_cur = std::min<rlim_t>(before.rlim_max, rlim_t{1} << 60); // a limit none here reaches
    ASSERT_EQ(setrlimit(RLIMIT_AS, &vast), 0);
    auto ws = makeSolverWorkspace();
    ASSERT_NE(ws, nullptr);
    Aircraft ac = testing::aircraftOf({testing::trapeziumWing(200, 150, 600)});
    runCalculation(ac, *ws, UiLanguage::English);
    ASSERT_TRUE(resultsUsable(*ws));
    EXPECT_EQ(blasStackStillToGrow(), 0u);
    setrlimit(RLIMIT_AS, &before);
}

} // namespace
} // namespace tv
