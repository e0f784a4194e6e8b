#pragma once
// The linear algebra library's worker threads under an address-space limit. OpenBLAS starts its
// workers when it loads, before main, and each worker asks for a buffer of 128 MB as it starts.
// A worker that cannot get it retries for
// ever, and whatever joins it then waits for ever too: the library's exit handler at the end of
// every run, and its fork handler whenever the process forks (the desktop bus's start-up does).
// So the start of main makes sure that no such worker is left: where the limit leaves no room
// for the workers' buffers beside the largest calculation, or a worker is still without its buffer after a
// short wait, the program starts itself again with one library thread, which has no workers.
#include <cstddef>
#include <optional>

namespace tv {

/// The buffer each of the library's threads takes (the calling thread's at its first product).
inline constexpr std::size_t kBlasThreadBufferBytes = std::size_t{128} << 20;

/// What the largest calculation takes beside the library's workers, with what the window or the
/// report draws beside it: the calling thread's buffer, the workspace's 72 MB of matrix, the
/// single-precision copy of 3000 unknowns (36 MB) and the headroom of the assembly and the solve
/// came to 272 MB beyond the program's start (the 3000-panel aircraft on one library thread
/// calculated at 320 MB of address space, refused at 310); the PDF export of it needed 100 MB more.
inline constexpr std::size_t kLargestCalculationBytes = std::size_t{400} << 20;

/// The library's buffers mapped in this process now: anonymous mappings of exactly their size.
int blasBuffersMapped();

/// The room left under this process's address-space and data limits (the smaller), bytes;
/// nothing when neither is set.
std::optional<std::size_t> addressRoom();

/// The library's threads (the caller's among them) to keep with `room` left under the limits:
/// the whole `pool` when there is no limit or when the buffers its workers have not taken yet and
/// the largest calculation fit in the room; otherwise 1 (no workers at all), so that a limit
/// which would refuse a large aircraft beside the workers calculates it on the calling thread.
int blasThreadsForRoom(std::optional<std::size_t> room, int pool, int buffersMapped);

/// Called at the start of main, before anything else takes memory. Under a limit, executes the
/// program again (argv) with MALLOC_ARENA_MAX=1 unless that is set; then, where the limit leaves
/// no room for the library's workers, or a worker is still without its buffer after up to 300 ms,
/// once more with OPENBLAS_NUM_THREADS=1. Returns (doing nothing) when
/// the workers hold their buffers or there is no limit. Should the restart fail, the library is
/// kept to the calling thread and blasWorkerMayBeStuck() says so.
void keepBlasWorkersFromWaiting(char** argv);

/// The stack the library's calls take on the calling thread: the parallel single-precision
/// factorisation of 3000 unknowns went 4.2 MB deep (about 540 KB per level of its recursion).
inline constexpr std::size_t kBlasStackBytes = std::size_t{6} << 20;

/// The main thread's stack limit the program asks for: the library's depth and the frames of the
/// program and the window above it.
inline constexpr std::size_t kMainStackBytes = kBlasStackBytes + (std::size_t{2} << 20);

/// Raises the soft limit of the main thread's stack to kMainStackBytes (as far as the hard limit
/// allows) where it is lower, and the stack of threads started later to the same: under
/// "ulimit -s 4096" the factorisation of the default aircraft overran the stack and ended the
/// program with SIGSEGV.
void letTheStackHoldTheLibrarysDepth();

/// What the main thread's stack still has to grow by to hold kBlasStackBytes (within its own
/// limit), bytes; 0 on any other thread, whose stack was mapped whole when it started, and
/// without an address-space or data limit, under which nothing else can take its room.
std::size_t blasStackStillToGrow();

/// False on the main thread when its stack limit (a hard limit letTheStackHoldTheLibrarysDepth
/// could not raise) leaves less than the library's depth: the calculation is refused for want of
/// memory instead of ending in SIGSEGV.
bool stackHoldsTheLibrarysDepth();

/// Grows the main thread's stack by blasStackStillToGrow() now. Under an address-space limit a
/// stack that cannot grow ends the process (SIGSEGV) where an allocation would fail softly: the
/// memory probe finds the room first, and the stack is grown before the library needs it.
void growStackForBlas();

/// True when a worker of the library may be retrying its buffer for ever: the end of the process
/// must then not wait for it (endOfProcess).
bool blasWorkerMayBeStuck();

} // namespace tv
