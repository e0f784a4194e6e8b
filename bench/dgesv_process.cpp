// A process that only solves one random system with LAPACKE dgesv and exits: the yardstick of
// the batch calculator as a process (bench_calc_process).
//   bench_dgesv_process [n]   (n = 1144 unknowns, the default aircraft's lattice, when omitted)
#include "bench_support.h"

#include <cstdlib>
#include <vector>

int main(int argc, char** argv) {
    const int n = argc > 1 ? std::atoi(argv[1]) : 1144;
    if (n <= 0) return 2;
    std::vector<double> a, b(static_cast<size_t>(n), -1.0);
    tvbench::fillRandom(a, n, n, 7);
    return tvbench::referenceSolve(a.data(), n, b.data(), n) == 0 ? 0 : 1;
}
