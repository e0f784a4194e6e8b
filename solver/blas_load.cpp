#include "solver/blas_load.h"

#include <cblas.h>
#include <sched.h>

#include <algorithm>
#include <charconv>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <string>

namespace tv {

namespace {

std::optional<std::string> readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

/// This process's threads that are runnable now (the caller among them).
int ownRunnableThreads() {
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks) return 1;
    int runnable = 0;
    while (const dirent* e = readdir(tasks)) {
        if (e->d_name[0] == '.') continue;
        const auto stat = readText(std::string("/proc/self/task/") + e->d_name + "/stat");
        if (stat && threadRunnable(*stat)) ++runnable;
    }
    closedir(tasks);
    return std::max(runnable, 1);
}

int usableProcessors() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 1;
    return std::max(CPU_COUNT(&set), 1);
}

} // namespace

std::optional<int> runnableTasks(std::string_view procStat) {
    constexpr std::string_view key = "procs_running ";
    for (std::size_t at = 0; at < procStat.size();) {
        const std::size_t end = std::min(procStat.find('\n', at), procStat.size());
        const std::string_view line = procStat.substr(at, end - at);
        if (line.substr(0, key.size()) == key) {
            int n = 0;
            const auto [p, ec] = std::from_chars(line.data() + key.size(), line.data() + line.size(), n);
            if (ec == std::errc() && n >= 0) return n;
            return std::nullopt;
        }
        at = end + 1;
    }
    return std::nullopt;
}

bool threadRunnable(std::string_view taskStat) {
    const std::size_t close = taskStat.rfind(')');
    if (close == std::string_view::npos || close + 2 >= taskStat.size()) return false;
    return taskStat[close + 1] == ' ' && taskStat[close + 2] == 'R';
}

int blasThreadsFor(int n, int pool, int processors, int othersRunnable) {
    const int free = n > kBlasLoadRuleUpTo ? pool : processors - std::max(othersRunnable, 0);
    return std::clamp(free, 1, std::max(pool, 1));
}

BlasThreadsForLoad::BlasThreadsForLoad(int n) {
    m_before = openblas_get_num_threads();
    m_threads = m_before;
    if (m_before <= 1 || n > kBlasLoadRuleUpTo) return;
    const auto stat = readText("/proc/stat");
    const std::optional<int> runnable = stat ? runnableTasks(*stat) : std::nullopt;
    if (!runnable) return;
    m_threads = blasThreadsFor(n, m_before, usableProcessors(), *runnable - ownRunnableThreads());
    if (m_threads < m_before) openblas_set_num_threads(m_threads);
}

BlasThreadsForLoad::~BlasThreadsForLoad() {
    if (m_threads < m_before) openblas_set_num_threads(m_before);
}

} // namespace tv
