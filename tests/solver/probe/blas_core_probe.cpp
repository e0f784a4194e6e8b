// Starts as the programs start, and tells what the linear algebra library then runs on.
//   blas_core_probe <pretended core name>   useFastestBlasKernels as if the library had detected
//                                           that core; prints the core type it then runs on
//   blas_core_probe --prepare               prepareBlasLibrary, then a product on the library's
//                                           threads; prints the wait the threads read, whether the
//                                           product is right and how many threads the process has
//   blas_core_probe --fork                  prepareBlasLibrary, then a fork (the library's fork
//                                           handler joins its workers) and the end of the process
//                                           (its exit handler too); prints the library's threads
#include "solver/blas_cores.h"

#include <cblas.h>
#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

int threadsOfThisProcess() {
    int count = 0;
    if (DIR* tasks = opendir("/proc/self/task")) {
        while (const dirent* entry = readdir(tasks)) count += entry->d_name[0] != '.';
        closedir(tasks);
    }
    return count;
}

/// A product large enough for every thread of the library: C = A * B with A and B all ones.
bool productRight() {
    constexpr int n = 400;
    std::vector<double> a(n * n, 1.0), b(n * n, 1.0), c(n * n, 0.0);
    cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, n, n, n, 1.0, a.data(), n, b.data(), n, 0.0, c.data(), n);
    for (double v : c)
        if (v != n) return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    if (std::strcmp(argv[1], "--fork") == 0) {
        tv::prepareBlasLibrary(argv);
        const pid_t child = fork();
        if (child == 0) _exit(0);
        int status = 0;
        if (child > 0) waitpid(child, &status, 0);
        std::printf("forked %d\n", openblas_get_num_threads());
        return 0;
    }
    if (std::strcmp(argv[1], "--prepare") != 0) {
        tv::useFastestBlasKernels(argv, argv[1]);
        std::printf("%s\n", openblas_get_corename());
        return 0;
    }
    tv::prepareBlasLibrary(argv);
    const bool right = productRight();
    const char* wait = std::getenv("OPENBLAS_THREAD_TIMEOUT");
    std::printf("%s %s %d %d\n", wait ? wait : "-", right ? "right" : "wrong", threadsOfThisProcess(),
                openblas_get_num_threads());
    return 0;
}
