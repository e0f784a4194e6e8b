#pragma once
// Helpers shared by the benchmark programs: the reference solve, medians, the BLAS context line.
#include <vector>

namespace tvbench {

/// Solves the n x n system held row-major in a (leading dimension ld) with LAPACKE dgesv, the
/// reference for the elimination. The buffer is handed over as column-major, so dgesv factorises
/// the transposed matrix: the same work, without the copy LAPACKE makes for row-major input.
/// a is destroyed, b (n entries) replaced by the solution of the transposed system.
/// Returns dgesv's info (0 = solved).
int referenceSolve(double* a, int ld, double* b, int n);

/// Uniform entries in [-1, 1] (enough row swaps to exercise the pivoting) in an n x n row-major
/// matrix with leading dimension ld, reproducible from seed.
void fillRandom(std::vector<double>& a, int ld, int n, unsigned seed);

/// The cheapest deterministic fill of the reference system: entries in [-1, 1) from a 64-bit
/// multiplicative hash of each entry's index (offset by seed), n added to every diagonal entry, so
/// that the partial pivoting of dgesv swaps no rows (as on the lattice's own diagonally heavy system).
/// a holds at least ld * n entries (row-major, leading dimension ld); every entry of the n x n
/// block is written, nothing else is touched (no zero-fill pass before it).
void fillLean(double* a, int ld, int n, unsigned seed);

double median(std::vector<double> values);

/// The one-minute load average of the machine (/proc/loadavg), -1 when it cannot be read: noted
/// beside every timing, since the machine the figures come from is rarely quiet.
double loadAverage();

/// Adds the processor, its vector flags that the kernels use (avx2, fma, avx512f), the BLAS build, its core name, threading (pthreads or
/// OpenMP) and thread count to the report header.
void addBlasContext();

/// The main of a benchmark program: chooses the BLAS kernels as the programs do, reads the flags,
/// names the BLAS context, runs every benchmark.
int runAll(int argc, char** argv);

} // namespace tvbench
