// The choice of the linear algebra library's kernel set at start: a detected core name and the
// processor's features give the core type to force, and a program that starts with a core type
// older than its processor runs on the forced one.
#include "solver/blas_cores.h"

#include <cblas.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tv {
namespace {

struct CoreCase {
    const char* name;
    const char* detected;
    ProcessorFeatures features;
    const char* forced; // "" for none
};

constexpr ProcessorFeatures kSse{false, false}, kAvx2{true, false}, kAvx512{true, true};

class CoreChoice : public ::testing::TestWithParam<CoreCase> {};

TEST_P(CoreChoice, ForcesTheWidestKernelsOnlyWhereTheDetectedOnesAreOlder) {
    const CoreCase c = GetParam();
    EXPECT_EQ(coreTypeToForce(c.detected, c.features), c.forced);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, CoreChoice,
    ::testing::Values(CoreCase{"sse3FallbackOnAvx2", "Prescott", kAvx2, "Haswell"},
                      CoreCase{"sse3FallbackOnAvx512", "Prescott", kAvx512, "SkylakeX"},
                      CoreCase{"avxCoreOnAvx2", "Sandybridge", kAvx2, "Haswell"},
                      CoreCase{"nehalemOnAvx2", "Nehalem", kAvx2, "Haswell"},
                      CoreCase{"haswellOnAvx512", "Haswell", kAvx512, "SkylakeX"},
                      CoreCase{"zenOnAvx512", "Zen", kAvx512, "SkylakeX"},
                      CoreCase{"zenOnAvx2", "Zen", kAvx2, ""},
                      CoreCase{"haswellOnAvx2", "Haswell", kAvx2, ""},
                      CoreCase{"excavatorIsItsOwnAvx2Core", "Excavator", kAvx2, ""},
                      CoreCase{"skylakeXOnAvx512", "SkylakeX", kAvx512, ""},
                      CoreCase{"cooperlakeOnAvx512", "Cooperlake", kAvx512, ""},
                      CoreCase{"oldProcessorKeepsItsCore", "Prescott", kSse, ""},
                      CoreCase{"avxCoreWithoutAvx2", "Sandybridge", kSse, ""},
                      CoreCase{"unknownNameIsLeftAlone", "Zen9", kAvx512, ""},
                      CoreCase{"noName", "", kAvx512, ""}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CoreChoice, OnlyCoreTypesTheProcessorRunsAreOffered) {
    EXPECT_TRUE(forcibleCoreTypes(kSse).empty());
    EXPECT_EQ(forcibleCoreTypes(kAvx2), (std::vector<std::string_view>{"Haswell"}));
    EXPECT_EQ(forcibleCoreTypes(kAvx512), (std::vector<std::string_view>{"Haswell", "SkylakeX"}));
}

/// The probe's line (a program that starts as ours do), started with `environment` set.
std::string probeCore(const std::string& environment, const char* pretended) {
    const std::string command =
        "env -u OPENBLAS_CORETYPE -u OPENBLAS_THREAD_TIMEOUT " + environment + " " TV_BLAS_CORE_PROBE " " + pretended;
    std::FILE* out = popen(command.c_str(), "r");
    if (!out) return "(not started)";
    char line[128] = {};
    const bool read = std::fgets(line, sizeof line, out) != nullptr;
    pclose(out);
    std::string core = read ? line : "(no output)";
    if (!core.empty() && core.back() == '\n') core.pop_back();
    return core;
}

// A program whose library detected an SSE3 core restarts on the kernels of the processor's widest
// vectors; where the processor has none wider, it keeps the library's own choice.
TEST(CoreChoiceAtStart, AProgramOnOldKernelsRestartsOnTheProcessorsOwn) {
    const std::string_view forced = coreTypeToForce("Prescott", processorFeatures());
    const std::string expected = forced.empty() ? openblas_get_corename() : std::string(forced);
    EXPECT_EQ(probeCore("", "Prescott"), expected);
}

TEST(CoreChoiceAtStart, ACoreTypeTheUserSetIsKept) {
    EXPECT_EQ(probeCore("OPENBLAS_CORETYPE=Prescott", "Prescott"), "Prescott");
}

// The library's threads are restarted to read the shorter wait, and work again at the next call:
// the process has the calling thread and the library's workers, and the product is right.
TEST(BlasThreadWait, TheRestartedThreadsReadTheWaitAndWork) {
    const int workers = openblas_get_num_threads() - 1;
    EXPECT_EQ(probeCore("", "--prepare"), std::to_string(kBlasThreadTimeout) + " right " +
                                              std::to_string(1 + workers) + " " + std::to_string(1 + workers));
    // A wait the user chose is kept.
    EXPECT_EQ(probeCore("OPENBLAS_THREAD_TIMEOUT=25", "--prepare").substr(0, 9), "25 right ");
}

} // namespace
} // namespace tv
