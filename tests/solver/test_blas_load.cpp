// The library's threads for one factorisation: only the processors free of other programs, for a
// system small enough that the library's waits between its steps dominate.
#include "solver/blas_load.h"

#include <cblas.h>
#include <gtest/gtest.h>

namespace tv {
namespace {

struct Load {
    int n, pool, processors, others, threads;
};

TEST(BlasLoad, TheLibraryGetsTheFreeProcessorsOfASmallSystem) {
    const Load rows[] = {
        {1144, 2, 2, 0, 2},  // idle processors: every thread
        {1144, 2, 2, 1, 1},  // one busy program: one thread
        {1144, 2, 2, 2, 1},  // more busy programs than processors: still one
        {1144, 8, 8, 3, 5},
        {1144, 4, 16, 0, 4}, // never more than the library's pool
        {1144, 2, 2, -1, 2}, // a count gone below zero (tasks ending while read) frees nothing extra
        {3000, 2, 2, 2, 2},  // a large system keeps the library's threads
        {kBlasLoadRuleUpTo, 2, 2, 2, 1},
        {kBlasLoadRuleUpTo + 1, 2, 2, 2, 2},
    };
    for (const Load& r : rows)
        EXPECT_EQ(blasThreadsFor(r.n, r.pool, r.processors, r.others), r.threads)
            << r.n << " unknowns, pool " << r.pool << ", " << r.processors << " processors, " << r.others << " busy";
}

TEST(BlasLoad, ReadsTheRunnableCountAndAThreadsState) {
    EXPECT_EQ(runnableTasks("cpu  1 2 3\nintr 5\nprocs_running 3\nprocs_blocked 0\n"), 3);
    EXPECT_EQ(runnableTasks("procs_running 12"), 12);
    EXPECT_EQ(runnableTasks("cpu  1 2 3\nprocs_blocked 0\n"), std::nullopt);
    EXPECT_EQ(runnableTasks("procs_running x\n"), std::nullopt);
    EXPECT_EQ(runnableTasks("xprocs_running 3\n"), std::nullopt);
    EXPECT_TRUE(threadRunnable("4711 (tarvolin4) R 1 4711"));
    EXPECT_FALSE(threadRunnable("4711 (tarvolin4) S 1 4711"));
    // The name may hold blanks and parentheses; the state follows the last one.
    EXPECT_TRUE(threadRunnable("4712 (a) S (b) R 1 4711"));
    EXPECT_FALSE(threadRunnable("4712 (R) S 1"));
    EXPECT_FALSE(threadRunnable("4712 (cut"));
    EXPECT_FALSE(threadRunnable(""));
}

// Whatever the machine's load, the scope gives the library back its thread count.
TEST(BlasLoad, TheScopeRestoresTheLibrarysThreads) {
    const int before = openblas_get_num_threads();
    {
        const BlasThreadsForLoad scope(1144);
        EXPECT_GE(scope.threads(), 1);
        EXPECT_LE(scope.threads(), before);
        EXPECT_EQ(openblas_get_num_threads(), scope.threads());
    }
    EXPECT_EQ(openblas_get_num_threads(), before);
}

} // namespace
} // namespace tv
