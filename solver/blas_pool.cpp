#include "solver/blas_pool.h"

#include "solver/system_text.h"

#include <cblas.h>
#include <pthread.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

namespace tv {

namespace {

std::atomic<bool> g_workerMayBeStuck{false};

/// A "Name:   1234 kB" field of /proc/self/status, bytes.
std::optional<std::size_t> statusBytes(std::string_view status, std::string_view name) {
    const std::size_t at = status.find(name);
    if (at == std::string_view::npos) return std::nullopt;
    unsigned long long kb = 0;
    if (std::sscanf(std::string(status.substr(at + name.size(), 40)).c_str(), "%llu", &kb) != 1) return std::nullopt;
    return std::size_t(kb) << 10;
}

/// The room under the soft limit `resource`, given what `held` holds now; nothing without a limit.
std::optional<std::size_t> roomUnder(int resource, const std::optional<std::size_t>& held) {
    rlimit limit{};
    if (getrlimit(resource, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
    const std::size_t taken = held.value_or(std::size_t(limit.rlim_cur)); // unknown: no room
    return limit.rlim_cur > taken ? std::size_t(limit.rlim_cur) - taken : 0;
}

bool onMainThread() { return gettid() == getpid(); }

bool limited(int resource) {
    rlimit limit{};
    return getrlimit(resource, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY;
}

/// Only an address-space or data limit makes a growing stack fail where an allocation would
/// fail softly; without one, the pages the library's recursion needs come as it needs them.
bool addressSpaceLimited() { return limited(RLIMIT_AS) || limited(RLIMIT_DATA); }

/// Touches `bytes` of stack below the caller's frame, from the top down, page by page.
__attribute__((noinline)) void touchStack(std::size_t bytes) {
    volatile char* below = static_cast<volatile char*>(__builtin_alloca(bytes));
    for (std::size_t at = bytes; at > 0; at -= std::min<std::size_t>(at, 4096)) below[at - 1] = 0;
}

constexpr const char* kArenaVariable = "MALLOC_ARENA_MAX";

/// Every thread that allocates gets an arena of its own from the C library, each reserving 64 MB
/// of address space (five of them held 318 MB of the window's 846). Under a limit they take the
/// room that thread stacks and the library's buffers need, which cannot fail softly: the program
/// starts again with one arena for all threads (the variable is read only at the first
/// allocation, before main).
void limitArenas(char** argv) {
    if (setenv(kArenaVariable, "1", 1) != 0) return;
    execv("/proc/self/exe", argv);
    unsetenv(kArenaVariable); // the restart failed: the arenas stay as they are
}

/// The depth the main thread's stack is grown to: kBlasStackBytes, within the stack's own limit
/// (less what the frames above the calculation and the kernel's start take).
std::size_t stackDepthForBlas() {
    rlimit limit{};
    if (getrlimit(RLIMIT_STACK, &limit) != 0) return 0;
    const std::size_t margin = std::size_t{1} << 20;
    if (limit.rlim_cur == RLIM_INFINITY) return kBlasStackBytes;
    return std::min<std::size_t>(kBlasStackBytes, limit.rlim_cur > margin ? limit.rlim_cur - margin : 0);
}

void restartWithOneThread(char** argv) {
    if (setenv("OPENBLAS_NUM_THREADS", "1", 1) == 0) execv("/proc/self/exe", argv);
    // The restart failed: the worker stays, but no call waits for it and the end does not either.
    openblas_set_num_threads(1);
    g_workerMayBeStuck = true;
}

} // namespace

int blasBuffersMapped() {
    int mapped = 0;
    if (std::FILE* maps = std::fopen("/proc/self/maps", "re")) {
        char line[512];
        while (std::fgets(line, sizeof line, maps)) {
            unsigned long from = 0, to = 0;
            char perms[8] = {};
            unsigned long offset = 0;
            char dev[16] = {};
            unsigned long inode = 1;
            if (std::sscanf(line, "%lx-%lx %7s %lx %15s %lu", &from, &to, perms, &offset, dev, &inode) == 6 &&
                inode == 0 && perms[0] == 'r' && perms[1] == 'w' && to - from == kBlasThreadBufferBytes)
                ++mapped;
        }
        std::fclose(maps);
    }
    return mapped;
}

std::optional<std::size_t> addressRoom() {
    const auto status = readSystemText("/proc/self/status");
    const std::string_view text = status ? std::string_view(*status) : std::string_view();
    const auto address = roomUnder(RLIMIT_AS, statusBytes(text, "VmSize:"));
    const auto data = roomUnder(RLIMIT_DATA, statusBytes(text, "VmData:"));
    if (address && data) return std::min(*address, *data);
    return address ? address : data;
}

int blasThreadsForRoom(std::optional<std::size_t> room, int pool, int buffersMapped) {
    if (!room || pool <= 1) return std::max(pool, 1);
    const std::size_t missing = std::size_t(std::max(pool - 1 - buffersMapped, 0));
    return *room >= missing * kBlasThreadBufferBytes + kLargestCalculationBytes ? pool : 1;
}

void keepBlasWorkersFromWaiting(char** argv) {
    const std::optional<std::size_t> room = addressRoom();
    if (!room) return; // no limit: every worker gets its buffer
    if (!std::getenv(kArenaVariable)) limitArenas(argv);
    const int pool = openblas_get_num_threads();
    if (pool <= 1) return;
    int mapped = blasBuffersMapped();
    if (blasThreadsForRoom(room, pool, mapped) == pool) {
        // A worker that has not run yet (a busy machine) is given a moment; one still without
        // its buffer after it is retrying for ever.
        for (int waited = 0; mapped < pool - 1 && waited < 300; waited += 5) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            mapped = blasBuffersMapped();
        }
        if (mapped >= pool - 1) return;
    }
    restartWithOneThread(argv);
}

std::size_t blasStackStillToGrow() {
    if (!onMainThread() || !addressSpaceLimited()) return 0;
    const auto status = readSystemText("/proc/self/status");
    if (!status) return 0;
    const std::size_t grown = statusBytes(*status, "VmStk:").value_or(SIZE_MAX);
    const std::size_t want = stackDepthForBlas();
    return want > grown ? want - grown : 0;
}

bool stackHoldsTheLibrarysDepth() { return !onMainThread() || stackDepthForBlas() >= kBlasStackBytes; }

void growStackForBlas() {
    // The frames above the caller's are part of the depth already: touching the whole depth
    // below them grows the stack a little further than counted, never less.
    if (blasStackStillToGrow() > 0) touchStack(stackDepthForBlas());
}

bool blasWorkerMayBeStuck() { return g_workerMayBeStuck; }

void letTheStackHoldTheLibrarysDepth() {
    rlimit limit{};
    if (getrlimit(RLIMIT_STACK, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY || limit.rlim_cur >= kMainStackBytes)
        return;
    limit.rlim_cur = limit.rlim_max == RLIM_INFINITY ? kMainStackBytes : std::min<rlim_t>(kMainStackBytes, limit.rlim_max);
    setrlimit(RLIMIT_STACK, &limit);
    // Threads started from now on (the library's, restarted later, and the solver's own) would
    // take the size the C library read from the limit at the start; theirs is mapped whole, so it
    // needs no raised limit.
    pthread_attr_t defaults;
    if (pthread_getattr_default_np(&defaults) != 0) return;
    std::size_t size = 0;
    if (pthread_attr_getstacksize(&defaults, &size) == 0 && size < kMainStackBytes &&
        pthread_attr_setstacksize(&defaults, kMainStackBytes) == 0)
        pthread_setattr_default_np(&defaults);
    pthread_attr_destroy(&defaults);
}

} // namespace tv
