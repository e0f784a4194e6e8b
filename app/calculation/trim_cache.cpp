#include "app/calculation/trim_cache.h"

const TrimState& TrimCache::get(const CalculationResult* r, std::uint64_t generation, const TrimInputs& in) {
    static const TrimState none{};
    if (!r || !r->latticeKnown()) return none;
    if (m_held && m_generation == generation && m_inputs == in) return m_state;
    m_state = solveTrim(r->aircraft, *r->ws, in);
    m_generation = generation;
    m_inputs = in;
    m_held = true;
    ++m_solves;
    return m_state;
}

void TrimCache::adopt(std::uint64_t generation, const TrimInputs& in, TrimState state) {
    m_state = std::move(state);
    m_generation = generation;
    m_inputs = in;
    m_held = true;
}
