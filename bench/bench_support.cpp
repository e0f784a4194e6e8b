#include "bench_support.h"

#include "solver/blas_cores.h"
#include "solver/widest_vectors.h"

#include <benchmark/benchmark.h>
#include <cblas.h>
#include <lapacke.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>

namespace tvbench {

int referenceSolve(double* a, int ld, double* b, int n) {
    static std::vector<lapack_int> pivots;
    pivots.resize(static_cast<size_t>(n));
    return LAPACKE_dgesv(LAPACK_COL_MAJOR, n, 1, a, ld, pivots.data(), b, n);
}

void fillRandom(std::vector<double>& a, int ld, int n, unsigned seed) {
    a.assign(static_cast<size_t>(ld) * n, 0.0);
    std::mt19937 gen(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) a[static_cast<size_t>(r) * ld + c] = dist(gen);
}

TV_WIDEST_VECTORS
void fillLean(double* a, int ld, int n, unsigned seed) {
    // Every entry is a hash of its own index, not the next step of one sequence: no entry waits
    // for the one before it, and the loop runs in the processor's widest vectors.
    const std::uint64_t base = seed * 0x9E3779B97F4A7C15ull + 1;
    for (int r = 0; r < n; ++r) {
        double* row = a + static_cast<size_t>(r) * ld;
        const std::uint64_t first = base + static_cast<std::uint64_t>(r) * static_cast<std::uint64_t>(n);
#pragma omp simd
        for (int c = 0; c < n; ++c) {
            std::uint64_t x = (first + static_cast<std::uint64_t>(c)) * 0xD6E8FEB86659FD93ull;
            x ^= x >> 32;
            row[c] = static_cast<double>(static_cast<std::int64_t>(x) >> 11) * 0x1p-52; // [-1, 1)
        }
        row[r] += n;
    }
}

double loadAverage() {
    std::ifstream in("/proc/loadavg");
    double load = -1;
    in >> load;
    return in ? load : -1;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t m = values.size() / 2;
    return values.size() % 2 ? values[m] : (values[m - 1] + values[m]) / 2;
}

namespace {

/// The processor's model name as the kernel reports it.
std::string processorModel() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);)
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    return "unknown";
}

/// The flags of /proc/cpuinfo that decide which kernels run: avx2, fma, avx512f.
std::string vectorFlags() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("flags", 0) != 0) continue;
        std::string found;
        for (const char* flag : {"avx2", "fma", "avx512f"})
            if ((line + " ").find(std::string(" ") + flag + " ") != std::string::npos) found += found.empty() ? flag : std::string(" ") + flag;
        return found.empty() ? "none" : found;
    }
    return "unknown";
}

} // namespace

void addBlasContext() {
    const tv::ProcessorFeatures features = tv::processorFeatures();
    benchmark::AddCustomContext("processor", processorModel());
    benchmark::AddCustomContext("flags", vectorFlags());
    benchmark::AddCustomContext("vectors", features.avx512 ? "AVX-512" : features.avx2 ? "AVX2, FMA" : "older than AVX2");
    benchmark::AddCustomContext("blas_core", openblas_get_corename());
    const int parallel = openblas_get_parallel(); // 0 sequential, 1 pthreads, 2 OpenMP
    const char* kind = parallel == 0 ? "sequential" : parallel == 1 ? "pthreads" : "OpenMP";
    benchmark::AddCustomContext("blas", openblas_get_config());
    benchmark::AddCustomContext("blas_threading", kind);
    benchmark::AddCustomContext("blas_threads", std::to_string(openblas_get_num_threads()));
}

int runAll(int argc, char** argv) {
    tv::prepareBlasLibrary(argv); // the kernels the programs run on
    benchmark::Initialize(&argc, argv);
    addBlasContext();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace tvbench
