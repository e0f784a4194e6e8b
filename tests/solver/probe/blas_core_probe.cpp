// Starts as the programs start (useFastestBlasKernels first), pretending that the library detected
// the core named by the first argument, and prints the core type the library then runs on.
//   blas_core_probe <pretended core name>
#include "solver/blas_cores.h"

#include <cblas.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    tv::useFastestBlasKernels(argv, argv[1]);
    std::printf("%s\n", openblas_get_corename());
    return 0;
}
