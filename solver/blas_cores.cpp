#include "solver/blas_cores.h"

#include "solver/blas_pool.h"

#include <cblas.h>
#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <cstdlib>
#include <string>
#include <utility>

namespace tv {

namespace {

enum class Vectors { Sse, Avx, Avx2, Avx512 };

/// The widest vectors the processors of each OpenBLAS core type have (x86-64 core names as the
/// library reports them). Excavator is AMD's own AVX2 core: detected, it is the right choice.
constexpr std::array<std::pair<std::string_view, Vectors>, 26> kCoreVectors{{
    {"Katmai", Vectors::Sse},        {"Coppermine", Vectors::Sse},    {"Northwood", Vectors::Sse},
    {"Prescott", Vectors::Sse},      {"Banias", Vectors::Sse},        {"Atom", Vectors::Sse},
    {"Core2", Vectors::Sse},         {"Penryn", Vectors::Sse},        {"Dunnington", Vectors::Sse},
    {"Nehalem", Vectors::Sse},       {"Athlon", Vectors::Sse},        {"Opteron", Vectors::Sse},
    {"Opteron(SSE3)", Vectors::Sse}, {"Barcelona", Vectors::Sse},     {"Nano", Vectors::Sse},
    {"Bobcat", Vectors::Sse},        {"Sandybridge", Vectors::Avx},   {"Bulldozer", Vectors::Avx},
    {"Piledriver", Vectors::Avx},    {"Steamroller", Vectors::Avx},   {"Haswell", Vectors::Avx2},
    {"Excavator", Vectors::Avx2},    {"Zen", Vectors::Avx2},          {"SkylakeX", Vectors::Avx512},
    {"Cooperlake", Vectors::Avx512}, {"SapphireRapids", Vectors::Avx512},
}};

bool knownCore(std::string_view name, Vectors& vectors) {
    for (const auto& [core, v] : kCoreVectors)
        if (core == name) return vectors = v, true;
    return false;
}

Vectors widest(const ProcessorFeatures& f) { return f.avx512 ? Vectors::Avx512 : f.avx2 ? Vectors::Avx2 : Vectors::Sse; }

constexpr const char* kCoreTypeVariable = "OPENBLAS_CORETYPE";
constexpr const char* kThreadTimeoutVariable = "OPENBLAS_THREAD_TIMEOUT";

/// The library reads its variables once, when it loads, and starts its threads then: the
/// variables are read again and the threads stopped, to be started anew (reading the wait) by the
/// next call that needs them, the first calculation's, whose memory probe counts their buffers.
/// Both calls are looked up, since not every build of the library exports them.
void restartBlasThreads() {
    using Call = void (*)();
    const auto readEnvironment = reinterpret_cast<Call>(dlsym(RTLD_DEFAULT, "openblas_read_env"));
    const auto shutDownThreads = reinterpret_cast<Call>(dlsym(RTLD_DEFAULT, "blas_thread_shutdown_"));
    if (!readEnvironment || !shutDownThreads) return;
    readEnvironment();
    shutDownThreads();
}

} // namespace

ProcessorFeatures processorFeatures() {
    ProcessorFeatures f;
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    // The compiler's CPUID checks include the operating system's saving of the vector registers.
    __builtin_cpu_init();
    f.avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    f.avx512 = f.avx2 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512cd") &&
               __builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512dq") &&
               __builtin_cpu_supports("avx512vl");
#endif
    return f;
}

std::string_view coreTypeToForce(std::string_view detected, const ProcessorFeatures& features) {
    Vectors kernels{};
    if (!knownCore(detected, kernels) || kernels >= widest(features)) return {};
    return features.avx512 ? "SkylakeX" : "Haswell";
}

std::vector<std::string_view> forcibleCoreTypes(const ProcessorFeatures& features) {
    std::vector<std::string_view> types;
    if (features.avx2) types.push_back("Haswell");
    if (features.avx512) types.push_back("SkylakeX");
    return types;
}

void useFastestBlasKernels(char** argv, const char* detected) {
    if (std::getenv(kCoreTypeVariable)) return;
    const std::string_view force = coreTypeToForce(detected ? detected : openblas_get_corename(), processorFeatures());
    if (force.empty()) return;
    if (setenv(kCoreTypeVariable, std::string(force).c_str(), 1) != 0) return;
    execv("/proc/self/exe", argv);
    unsetenv(kCoreTypeVariable); // the restart failed: this process goes on with the library's choice
}

void prepareBlasLibrary(char** argv) {
    const bool waitChosen = std::getenv(kThreadTimeoutVariable) != nullptr;
    if (!waitChosen) setenv(kThreadTimeoutVariable, std::to_string(kBlasThreadTimeout).c_str(), 1);
    letTheStackHoldTheLibrarysDepth();
    useFastestBlasKernels(argv); // a restart reads the wait with the core type
    keepBlasWorkersFromWaiting(argv);
    // Stopping joins the workers: never one that is still retrying its buffer.
    if (!waitChosen && !blasWorkerMayBeStuck()) restartBlasThreads();
}

} // namespace tv
