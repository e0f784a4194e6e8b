// The memory probe before a calculation: it asks for what this lattice needs, and a refusal is
// a message of the run, as every other failure of a step. The refusal is injected: no process
// limit is set here.
#include "solver/calculation.h"
#include "solver_fixture.h"

#include <gtest/gtest.h>

namespace tv {
namespace {

using testing::aircraftOf;
using testing::trapeziumWing;

struct ProbeRestorer {
    ~ProbeRestorer() { setMemoryProbe(nullptr); }
};

std::size_t bytesAskedFor(const Aircraft& model) {
    std::size_t asked = 0;
    setMemoryProbe([&](std::size_t bytes) {
        if (bytes != kWorkspaceBytes) asked = bytes;
        return true;
    });
    auto ws = makeSolverWorkspace(); // fresh: its refinement storage is still to be taken
    Aircraft ac = model;
    runCalculation(ac, *ws, UiLanguage::English);
    EXPECT_TRUE(resultsUsable(*ws));
    return asked;
}

// A short memory used to refuse every aircraft once it could not hold the largest lattice.
TEST(MemoryProbe, AnAircraftThatFitsIsCalculatedWhereALargerOneIsRefused) {
    const ProbeRestorer restore;
    const Aircraft small = aircraftOf({trapeziumWing(200, 150, 600)});
    const Aircraft large = computeAircraft(defaultAircraftTexts());
    bytesAskedFor(small); // the first calculation of the process also takes the library's buffers
    const std::size_t smallBytes = bytesAskedFor(small);
    const std::size_t largeBytes = bytesAskedFor(large);
    ASSERT_LT(smallBytes, largeBytes);

    const std::size_t budget = (smallBytes + largeBytes) / 2;
    setMemoryProbe([&](std::size_t bytes) { return bytes == kWorkspaceBytes || bytes <= budget; });
    auto ws = makeSolverWorkspace();
    Aircraft ac = small;
    runCalculation(ac, *ws, UiLanguage::German);
    EXPECT_TRUE(resultsUsable(*ws));

    ws = makeSolverWorkspace();
    ac = large;
    runCalculation(ac, *ws, UiLanguage::German);
    EXPECT_TRUE(ws->AbortCalculation);
    EXPECT_FALSE(ws->EvaluationRan);
    EXPECT_EQ(ws->Messages, std::vector<std::string>{notEnoughMemoryLine(UiLanguage::German, largeBytes)});
    EXPECT_NE(ws->Messages[0].find(std::to_string((largeBytes + (1u << 20) - 1) >> 20) + " MB"), std::string::npos);
    EXPECT_TRUE(memoryWasShort());
}

TEST(MemoryProbe, NoWorkspaceWhenEvenItIsRefused) {
    const ProbeRestorer restore;
    setMemoryProbe([](std::size_t) { return false; });
    EXPECT_EQ(makeSolverWorkspace(), nullptr);
}

} // namespace
} // namespace tv
