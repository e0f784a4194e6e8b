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
#include <optional>
#include <string_view>

namespace tv {

/// The runnable tasks the kernel counts now, from the text of /proc/stat ("procs_running N");
/// nothing when the text has no such line.
std::optional<int> runnableTasks(std::string_view procStat);

/// Whether a thread's /proc/<pid>/task/<tid>/stat text says it is running or runnable (state R);
/// the state follows the last ')' (the thread's name may hold blanks and parentheses).
bool threadRunnable(std::string_view taskStat);

/// Up to this many unknowns a factorisation gives the library only the free processors.
inline constexpr int kBlasLoadRuleUpTo = 2000;

/// Threads for the library factoring n unknowns: up to kBlasLoadRuleUpTo, the processors this
/// process may use less the tasks of other programs that are runnable now; at least 1 and at most
/// `pool` (the library's own thread count), which a larger system keeps.
int blasThreadsFor(int n, int pool, int processors, int othersRunnable);

/// For the scope of one factorisation of n unknowns: the library's thread count lowered to what
/// blasThreadsFor gives on this machine now (never raised: its thread pool stays as it was made),
/// then restored. Where /proc cannot be read, nothing changes.
class BlasThreadsForLoad {
public:
    explicit BlasThreadsForLoad(int n);
    ~BlasThreadsForLoad();
    BlasThreadsForLoad(const BlasThreadsForLoad&) = delete;
    BlasThreadsForLoad& operator=(const BlasThreadsForLoad&) = delete;
    int threads() const { return m_threads; }

private:
    int m_before = 0;
    int m_threads = 0;
};

} // namespace tv
