#pragma once
// The solver's own loops (the fill of the influence matrix, its scaling and single-precision copy,
// the refinement's residual) run on plain threads started for the loop and joined at its end. No
// pool stays behind: a pool's idle threads wait spinning for the next loop (an OpenMP runtime's do
// for milliseconds by default), and beside the linear algebra library's own threads, which do the
// elimination right after, they would take the processors from it.
#include <algorithm>
#include <functional>

namespace tv {

/// The threads the calling thread's solver loops use: count <= 0 for one per processor (the
/// default). The window's live calculation sets 1, so that the window's thread keeps a processor.
void setSolverThreads(int count);

/// Rows per range of a loop over rows of `length` cheap entries (a copy, a scaling, a residual):
/// 64, or enough for 64 k entries, since starting a thread costs about what that many take; a
/// small system is then done by the calling thread alone.
inline int rowsPerRange(int length) { return std::max(64, (1 << 16) / std::max(length, 1)); }

/// Calls body(begin, end) for consecutive ranges of `chunk` rows (the last one shorter) covering
/// 0..n-1, on the calling thread and on up to the solver threads' count less one more, each thread
/// taking the next range when it has finished one; returns when every range is done. One thread
/// does it all when no other can be started. body must not throw.
void forEachRange(int n, int chunk, const std::function<void(int begin, int end)>& body);

/// The most threads forEachRange(n, chunk, ...) runs its body on.
int rangeThreads(int n, int chunk);

/// forEachRange whose body also learns which of them it runs on (0..rangeThreads(n, chunk) - 1,
/// 0 the calling thread), for scratch of its own that the caller holds: a thread started for the
/// loop has a stack of the size the program was started with, which may be small.
void forEachRangeOnThreads(int n, int chunk, const std::function<void(int begin, int end, int thread)>& body);

} // namespace tv
