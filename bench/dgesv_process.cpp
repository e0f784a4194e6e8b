// A process that only fills one system cheaply and solves it with LAPACKE dgesv: the yardstick of
// the batch calculator as a process (bench_calc_process), run on each kernel set the processor
// can use (OPENBLAS_CORETYPE). The fill hashes each entry's index into huge pages that are not
// zeroed first, so that nearly all of the process is the library's start and dgesv itself; the
// process prints its own fill and solve times, so that a fill that grows into a visible share of
// the yardstick is seen at once.
//   bench_dgesv_process [n]        (n = 1144 unknowns, the default aircraft's lattice, when omitted)
//                                  prints "fill <seconds>" and "solve <seconds>"
//   bench_dgesv_process --core     prints the library's core name and exits
#include "bench_support.h"

#include "solver/workspace.h"

#include <cblas.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--core") == 0) return std::puts(openblas_get_corename()) < 0;
    const int n = argc > 1 ? std::atoi(argv[1]) : 1144;
    if (n <= 0) return 2;
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    // The matrix in huge pages where the kernel has them, as the calculator keeps its own: a
    // five-hundredth of the faults of small pages, and fewer misses of the address cache.
    tv::HugePageArray<double> a;
    a.grow(static_cast<std::size_t>(n) * n);
    std::unique_ptr<double[]> b(new double[n]);
    tvbench::fillLean(a.data(), n, n, 7);
    for (int i = 0; i < n; ++i) b[i] = -1.0;
    const auto filled = Clock::now();
    const int info = tvbench::referenceSolve(a.data(), n, b.get(), n);
    const auto solved = Clock::now();
    std::printf("fill %.6f\nsolve %.6f\n", std::chrono::duration<double>(filled - start).count(),
                std::chrono::duration<double>(solved - filled).count());
    return info == 0 ? 0 : 1;
}
