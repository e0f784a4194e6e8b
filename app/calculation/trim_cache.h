#pragma once
// The one current trim of the window: the trim of the result shown for the inputs the window
// holds, solved once (or brought along by the live worker) and kept while both stay the same.
// The span loading's paints, the trim page, the strip and the reports all read it; an edit of
// any kind changes the result or the inputs, and the next reader gets it solved afresh.
#include "app/calculation/calculation_result.h"
#include "app/calculation/trim_solve.h"

#include <cstdint>

class TrimCache {
public:
    /// The trim of result r, which `generation` names, for `in`: the one kept when it was made
    /// for both, else solved now on r's factorisation and kept. Not calculated without a lattice.
    const TrimState& get(const CalculationResult* r, std::uint64_t generation, const TrimInputs& in);
    /// A trim solved elsewhere (the live worker) for that result and those inputs.
    void adopt(std::uint64_t generation, const TrimInputs& in, TrimState state);
    /// How often the trim was solved here, for the tests and the benchmarks.
    int solves() const { return m_solves; }

private:
    bool m_held = false;
    std::uint64_t m_generation = 0;
    TrimInputs m_inputs;
    TrimState m_state;
    int m_solves = 0;
};
