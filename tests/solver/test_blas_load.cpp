// The library's threads for one factorisation: only the processors free of other programs, for a
// system small enough that the library's waits between its steps dominate; in a container, the
// other programs' share of this process's processors and the control group's CPU quota.
#include "solver/blas_load.h"

#include <cblas.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace tv {
namespace {

/// A machine as the rule reads it: its files by path, this process's affinity and own threads.
struct Machine {
    std::map<std::string, std::string> files;
    int affinity = 2;
    int own = 1;

    LoadSources sources() const {
        return {[this](const std::string& path) -> std::optional<std::string> {
                    const auto it = files.find(path);
                    return it == files.end() ? std::nullopt : std::optional<std::string>(it->second);
                },
                [this] { return affinity; }, [this] { return own; }};
    }
};

/// /proc/stat of a host with `processors` processors and `running` runnable tasks.
std::string procStat(int processors, int running) {
    std::string text = "cpu  1 2 3 4\n";
    for (int p = 0; p < processors; ++p) text += "cpu" + std::to_string(p) + " 1 2 3 4\n";
    return text + "intr 541709 0 0 1\nctxt 99\nprocesses 4711\nprocs_running " + std::to_string(running) +
           "\nprocs_blocked 0\n";
}

Machine host(int processors, int running, int affinity) {
    Machine m;
    m.files["/proc/stat"] = procStat(processors, running);
    m.affinity = affinity;
    return m;
}

Machine withFiles(Machine m, const std::map<std::string, std::string>& files) {
    for (const auto& [path, text] : files) m.files[path] = text;
    return m;
}

struct Row {
    const char* what;
    int n, pool;
    Machine machine;
    int threads;
};

TEST(BlasLoad, TheLibraryGetsTheProcessorsOtherProgramsAndTheQuotaLeave) {
    const std::string v2 = "/sys/fs/cgroup/user.slice/app";
    const Row rows[] = {
        {"idle processors: every thread", 1144, 2, host(2, 1, 2), 2},
        {"one busy program on two processors", 1144, 2, host(2, 2, 2), 1},
        {"more busy programs than processors", 1144, 2, host(2, 4, 2), 1},
        {"eight processors, three busy", 1144, 8, host(8, 4, 8), 5},
        {"never more than the library's pool", 1144, 4, host(16, 1, 16), 4},
        {"this process's own runnable threads are no other program's", 1144, 2,
         [] { Machine m = host(2, 3, 2); m.own = 3; return m; }(), 2},
        {"affinity 2 of 64, ten busy elsewhere on the host", 1144, 2, host(64, 11, 2), 2},
        {"affinity 2 of 64, the whole host busy", 1144, 2, host(64, 65, 2), 1},
        {"quota 1.5 of a host whose 64 processors the affinity shows", 1144, 8,
         withFiles(host(64, 1, 64), {{"/proc/self/cgroup", "0::/user.slice/app\n"}, {v2 + "/cpu.max", "150000 100000\n"}}), 1},
        {"a quota on a group above this one counts", 1144, 8,
         withFiles(host(64, 1, 64), {{"/proc/self/cgroup", "0::/user.slice/app\n"},
                                     {v2 + "/cpu.max", "max 100000\n"},
                                     {"/sys/fs/cgroup/user.slice/cpu.max", "200000 100000\n"}}), 2},
        {"v1: a container's own group at the hierarchy's root", 1144, 8,
         withFiles(host(64, 1, 64), {{"/proc/self/cgroup", "5:cpuacct:/\n4:cpu,cpuacct:/docker/abc\n"},
                                     {"/sys/fs/cgroup/cpu/cpu.cfs_quota_us", "250000\n"},
                                     {"/sys/fs/cgroup/cpu/cpu.cfs_period_us", "100000\n"}}), 2},
        {"v1: a quota of -1 is none", 1144, 8,
         withFiles(host(8, 1, 8), {{"/proc/self/cgroup", "4:cpu,cpuacct:/\n"},
                                   {"/sys/fs/cgroup/cpu/cpu.cfs_quota_us", "-1\n"},
                                   {"/sys/fs/cgroup/cpu/cpu.cfs_period_us", "100000\n"}}), 8},
        {"a quota that is not a number is none", 1144, 8,
         withFiles(host(8, 1, 8), {{"/proc/self/cgroup", "0::/\n"}, {"/sys/fs/cgroup/cpu.max", "lots 100000\n"}}), 8},
        {"a large system keeps the library's threads", 3000, 2, host(2, 3, 2), 2},
        {"a large system within the quota", 3000, 8,
         withFiles(host(64, 1, 64), {{"/proc/self/cgroup", "0::/user.slice/app\n"}, {v2 + "/cpu.max", "150000 100000\n"}}), 1},
        {"the largest small system", kBlasLoadRuleUpTo, 2, host(2, 3, 2), 1},
        {"the smallest large system", kBlasLoadRuleUpTo + 1, 2, host(2, 3, 2), 2},
        {"nothing readable: nothing changes", 1144, 2, Machine{}, 2},
        {"no runnable count: nothing changes", 1144, 2, withFiles(Machine{}, {{"/proc/stat", "cpu  1 2\ncpu0 1 2\n"}}), 2},
        {"a runnable count that is not a number", 1144, 2, withFiles(Machine{}, {{"/proc/stat", "procs_running x\n"}}), 2},
        {"no /proc/stat, but a quota of 2", 1144, 8,
         withFiles(Machine{}, {{"/proc/self/cgroup", "0::/\n"}, {"/sys/fs/cgroup/cpu.max", "200000 100000"}}), 2},
    };
    for (const Row& r : rows) EXPECT_EQ(blasThreadsForLoad(r.n, r.pool, r.machine.sources()), r.threads) << r.what;
}

TEST(BlasLoad, AThreadsStateFollowsTheLastParenthesis) {
    EXPECT_TRUE(threadRunnable("4711 (tarvolin4) R 1 4711"));
    EXPECT_FALSE(threadRunnable("4711 (tarvolin4) S 1 4711"));
    EXPECT_TRUE(threadRunnable("4712 (a) S (b) R 1 4711"));
    EXPECT_FALSE(threadRunnable("4712 (R) S 1"));
    EXPECT_FALSE(threadRunnable("4712 (cut"));
    EXPECT_FALSE(threadRunnable(""));
}

// Two factorisations overlap (a live result and a command): however their scopes end, the
// library runs with the smallest count wanted while any runs and with its pool afterwards.
TEST(BlasLoad, OverlappingFactorisationsLeaveTheLibraryItsPool) {
    std::vector<int> applied;
    BlasThreadShare share(8, [&](int threads) { applied.push_back(threads); });
    share.enter(6); // A
    share.enter(5); // B
    share.leave(6); // A ends while B runs
    EXPECT_EQ(applied.back(), 5);
    share.leave(5);
    EXPECT_EQ(applied, (std::vector<int>{6, 5, 8}));

    applied.clear();
    share.enter(5);
    share.enter(7); // wants more than the one running: not raised
    share.leave(7);
    share.leave(5);
    EXPECT_EQ(applied, (std::vector<int>{5, 8}));
}

TEST(BlasLoad, TheScopeLowersTheLibrarysThreadsAndGivesThemBack) {
    const int pool = BlasThreadShare::library().pool();
    const Machine busy = host(2, 9, 2);
    {
        const BlasThreadsForLoad scope(1144, busy.sources());
        EXPECT_EQ(scope.threads(), 1);
        EXPECT_EQ(openblas_get_num_threads(), 1);
    }
    EXPECT_EQ(openblas_get_num_threads(), pool);
}

} // namespace
} // namespace tv
