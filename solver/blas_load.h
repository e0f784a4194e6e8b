#pragma once
// The linear algebra library's threads meet busy processors. OpenBLAS's threads wait for each
// other between the steps of a factorisation; when another program keeps a processor busy, one of
// them is often not running, and the others wait for it a scheduler slice at a time. Measured on
// the default aircraft with two busy programs on two processors: 172 ms with two library threads,
// 53 ms with one (39 ms and 45 ms on idle processors). So a factorisation asks first how many
// processors are free now and gives the library no more threads than that. A large system is
// different: its steps are long, the waits few, and a second thread's share of a busy processor
// still pays (3000 unknowns under the same load, against dgesv: x1.14 of the idle ratio with two
// threads, x1.30 with one, medians of five), so above kBlasLoadRuleUpTo the library keeps them.
//
// In a container the counts disagree: /proc/stat's runnable tasks are the whole host's, spread
// over all of its processors, while this process may run on a few of them (its affinity), and a
// CPU quota of its control group (cgroup v2 cpu.max, v1 cpu.cfs_quota_us) leaves the affinity
// showing every processor of the host. The other programs' tasks are therefore scaled to this
// process's processors, and no factorisation gets more threads than the quota's whole processors.
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace tv {

/// Where the thread rule reads the machine's state; systemLoadSources() reads the system's, a
/// test gives texts of its own.
struct LoadSources {
    /// A system file's text by its path (/proc/stat, /proc/self/cgroup, /sys/fs/cgroup/...);
    /// nothing when it cannot be read.
    std::function<std::optional<std::string>(const std::string& path)> read;
    /// The processors this process may run on (its affinity); 0 when unknown.
    std::function<int()> affinity;
    /// This process's threads that are runnable now, the caller among them.
    std::function<int()> ownRunnable;
};

/// /proc and /sys/fs/cgroup through readSystemText, sched_getaffinity and /proc/self/task.
LoadSources systemLoadSources();

/// Whether a thread's /proc/<pid>/task/<tid>/stat text says it is running or runnable (state R);
/// the state follows the last ')' (the thread's name may hold blanks and parentheses).
bool threadRunnable(std::string_view taskStat);

/// The CPU quota of this process's control group in processors (cpu.max "150000 100000" is 1.5),
/// the smallest set on the group or any group above it, v2 and v1 alike; nothing when none is set
/// or none can be read.
std::optional<double> cpuQuota(const LoadSources& sources);

/// Up to this many unknowns a factorisation gives the library only the free processors.
inline constexpr int kBlasLoadRuleUpTo = 2000;

/// Threads for the library factoring n unknowns with its pool of `pool` threads: up to
/// kBlasLoadRuleUpTo, this process's processors less the other programs' runnable tasks that fall
/// on them (the host's count times this process's share of the host's processors, rounded); above
/// it, the pool. Never more than a CPU quota's whole processors, at least 1, at most the pool.
/// The pool when nothing can be read.
int blasThreadsForLoad(int n, int pool, const LoadSources& sources);

/// The library's thread count is one for the whole process, while factorisations on several
/// threads (a live result's and a command's) may run at once: each enters with the count it
/// wants, the library runs with the smallest one entered while any runs, and with its pool,
/// taken once, when none runs. So no factorisation leaves the count lowered behind it.
class BlasThreadShare {
public:
    /// `apply` sets the library's count; it is called only when the count changes.
    BlasThreadShare(int pool, std::function<void(int)> apply);
    int pool() const { return m_pool; }
    void enter(int threads);
    void leave(int threads);
    /// The library's own share: its pool is the library's thread count when first asked for.
    static BlasThreadShare& library();

private:
    void applySmallest();

    std::mutex m_mutex;
    std::multiset<int> m_entered;
    int m_pool;
    int m_applied;
    std::function<void(int)> m_apply;
};

/// For the scope of one factorisation of n unknowns: the library's thread count lowered to what
/// blasThreadsForLoad gives now (never raised above its pool), shared with the factorisations
/// running beside it.
class BlasThreadsForLoad {
public:
    explicit BlasThreadsForLoad(int n, const LoadSources& sources = systemLoadSources(),
                                BlasThreadShare& share = BlasThreadShare::library());
    ~BlasThreadsForLoad();
    BlasThreadsForLoad(const BlasThreadsForLoad&) = delete;
    BlasThreadsForLoad& operator=(const BlasThreadsForLoad&) = delete;
    int threads() const { return m_threads; }

private:
    BlasThreadShare& m_share;
    int m_threads;
};

} // namespace tv
