// A process that only solves one random system with LAPACKE dgesv and exits: the yardstick of
// the batch calculator as a process (bench_calc_process), run on each kernel set the processor
// can use (OPENBLAS_CORETYPE).
//   bench_dgesv_process [n]        (n = 1144 unknowns, the default aircraft's lattice, when omitted)
//   bench_dgesv_process --core     prints the library's core name and exits
#include "bench_support.h"

#include <cblas.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--core") == 0) return std::puts(openblas_get_corename()) < 0;
    const int n = argc > 1 ? std::atoi(argv[1]) : 1144;
    if (n <= 0) return 2;
    std::vector<double> a, b(static_cast<size_t>(n), -1.0);
    tvbench::fillRandom(a, n, n, 7);
    return tvbench::referenceSolve(a.data(), n, b.data(), n) == 0 ? 0 : 1;
}
