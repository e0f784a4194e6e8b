#include "solver/blas_load.h"

#include "solver/system_text.h"

#include <cblas.h>
#include <dirent.h>
#include <sched.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace tv {

namespace {

/// What /proc/stat says of the host: its runnable tasks and its processors (the "cpuN" lines; 0
/// when there are none).
struct HostLoad {
    int runnable = 0;
    int processors = 0;
};

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

bool startsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

/// The whole of `s` (blanks around it aside) as a non-negative integer.
std::optional<long long> wholeNumber(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\n')) s.remove_suffix(1);
    long long n = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (ec != std::errc() || end != s.data() + s.size() || n < 0) return std::nullopt;
    return n;
}

std::optional<HostLoad> hostLoad(std::string_view procStat) {
    HostLoad host;
    bool runnableFound = false;
    for (std::string_view line : splitLines(procStat)) {
        if (startsWith(line, "cpu") && line.size() > 3 && line[3] >= '0' && line[3] <= '9') {
            ++host.processors;
        } else if (startsWith(line, "procs_running ")) {
            const auto n = wholeNumber(line.substr(14));
            if (!n || *n > 1'000'000) return std::nullopt;
            host.runnable = int(*n);
            runnableFound = true;
        }
    }
    if (!runnableFound) return std::nullopt;
    return host;
}

/// Processors a cgroup v2 cpu.max text allows ("max 100000": no limit).
std::optional<double> quotaOfCpuMax(std::string_view text) {
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    const auto quota = wholeNumber(text.substr(0, blank));
    const auto period = wholeNumber(text.substr(blank + 1));
    if (!quota || !period || *period == 0) return std::nullopt;
    return double(*quota) / double(*period);
}

/// Processors a cgroup v1 folder's cfs quota and period allow (a quota of -1: no limit).
std::optional<double> quotaOfCfs(const LoadSources& s, const std::string& folder) {
    const auto quota = s.read(folder + "/cpu.cfs_quota_us");
    const auto period = s.read(folder + "/cpu.cfs_period_us");
    const auto q = quota ? wholeNumber(*quota) : std::nullopt;
    const auto p = period ? wholeNumber(*period) : std::nullopt;
    if (!q || !p || *p == 0) return std::nullopt;
    return double(*q) / double(*p);
}

/// The smallest quota on the group at `path` under the hierarchy's `root` folder and the groups
/// above it. A group that cannot be read (a container shows its own group as the root while
/// /proc/self/cgroup names the host's path) is passed over.
std::optional<double> smallestQuotaUp(const LoadSources& s, const std::string& root, std::string path, bool v2) {
    std::optional<double> smallest;
    for (int depth = 0; depth < 64; ++depth) {
        while (!path.empty() && path.back() == '/') path.pop_back();
        const std::string folder = root + path;
        std::optional<double> q;
        if (v2) {
            if (const auto text = s.read(folder + "/cpu.max")) q = quotaOfCpuMax(*text);
        } else {
            q = quotaOfCfs(s, folder);
        }
        if (q && *q > 0 && (!smallest || *q < *smallest)) smallest = q;
        if (path.empty()) break;
        path.erase(path.rfind('/') == std::string::npos ? 0 : path.rfind('/'));
    }
    return smallest;
}

bool namesCpuController(std::string_view controllers) {
    std::size_t at = 0;
    while (at <= controllers.size()) {
        const std::size_t end = std::min(controllers.find(',', at), controllers.size());
        if (controllers.substr(at, end - at) == "cpu") return true;
        at = end + 1;
    }
    return false;
}

int quotaProcessors(const std::optional<double>& quota) {
    return quota ? int(std::max(1.0, std::floor(*quota))) : 1 << 20;
}

// ---- the system's sources ----

int systemAffinity() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) != 0) return 0;
    return CPU_COUNT(&set);
}

int systemOwnRunnable() {
    DIR* tasks = opendir("/proc/self/task");
    if (!tasks) return 1;
    int runnable = 0;
    while (const dirent* e = readdir(tasks)) {
        if (e->d_name[0] == '.') continue;
        const auto stat = readSystemText(std::string("/proc/self/task/") + e->d_name + "/stat", 4096);
        if (stat && threadRunnable(*stat)) ++runnable;
    }
    closedir(tasks);
    return std::max(runnable, 1);
}

} // namespace

LoadSources systemLoadSources() {
    return {[](const std::string& path) { return readSystemText(path); }, systemAffinity, systemOwnRunnable};
}

bool threadRunnable(std::string_view taskStat) {
    const std::size_t close = taskStat.rfind(')');
    if (close == std::string_view::npos || close + 2 >= taskStat.size()) return false;
    return taskStat[close + 1] == ' ' && taskStat[close + 2] == 'R';
}

std::optional<double> cpuQuota(const LoadSources& s) {
    const auto groups = s.read("/proc/self/cgroup");
    if (!groups) return std::nullopt;
    std::optional<double> smallest;
    for (std::string_view line : splitLines(*groups)) {
        // "0::/path" for v2, "4:cpu,cpuacct:/path" for v1
        const std::size_t first = line.find(':');
        const std::size_t second = first == std::string_view::npos ? first : line.find(':', first + 1);
        if (second == std::string_view::npos) continue;
        const std::string_view controllers = line.substr(first + 1, second - first - 1);
        const std::string path(line.substr(second + 1));
        std::optional<double> q;
        if (line.substr(0, first) == "0" && controllers.empty())
            q = smallestQuotaUp(s, "/sys/fs/cgroup", path, true);
        else if (namesCpuController(controllers))
            q = smallestQuotaUp(s, "/sys/fs/cgroup/cpu", path, false);
        if (q && (!smallest || *q < *smallest)) smallest = q;
    }
    return smallest;
}

int blasThreadsForLoad(int n, int pool, const LoadSources& s) {
    pool = std::max(pool, 1);
    if (pool == 1) return 1;
    const int quotaCap = quotaProcessors(cpuQuota(s));
    if (n > kBlasLoadRuleUpTo) return std::clamp(quotaCap, 1, pool);
    const auto stat = s.read("/proc/stat");
    const std::optional<HostLoad> host = stat ? hostLoad(*stat) : std::nullopt;
    if (!host) return std::clamp(quotaCap, 1, pool);
    const int processors = s.affinity() > 0 ? s.affinity() : std::max(host->processors, 1);
    const int hostProcessors = std::max(host->processors, processors);
    const int others = std::max(host->runnable - s.ownRunnable(), 0);
    const double othersHere = double(others) * processors / hostProcessors;
    const int free = int(std::lround(processors - othersHere));
    return std::clamp(std::min(free, quotaCap), 1, pool);
}

BlasThreadShare::BlasThreadShare(int pool, std::function<void(int)> apply)
    : m_pool(std::max(pool, 1)), m_applied(m_pool), m_apply(std::move(apply)) {}

void BlasThreadShare::enter(int threads) {
    const std::lock_guard lock(m_mutex);
    m_entered.insert(std::clamp(threads, 1, m_pool));
    applySmallest();
}

void BlasThreadShare::leave(int threads) {
    const std::lock_guard lock(m_mutex);
    const auto it = m_entered.find(std::clamp(threads, 1, m_pool));
    if (it != m_entered.end()) m_entered.erase(it);
    applySmallest();
}

void BlasThreadShare::applySmallest() {
    const int wanted = m_entered.empty() ? m_pool : *m_entered.begin();
    if (wanted == m_applied) return;
    m_applied = wanted;
    if (m_apply) m_apply(wanted);
}

BlasThreadShare& BlasThreadShare::library() {
    static BlasThreadShare share(openblas_get_num_threads(), [](int threads) { openblas_set_num_threads(threads); });
    return share;
}

BlasThreadsForLoad::BlasThreadsForLoad(int n, const LoadSources& sources, BlasThreadShare& share)
    : m_share(share), m_threads(blasThreadsForLoad(n, share.pool(), sources)) {
    m_share.enter(m_threads);
}

BlasThreadsForLoad::~BlasThreadsForLoad() { m_share.leave(m_threads); }

} // namespace tv
