#include "solver/workspace.h"

namespace tv {

SolverWorkspace::SolverWorkspace() : Matrix(new double[std::size_t(kPanelLimit) * kPanelLimit]()) {
    Messages.reserve(64);
}

std::unique_ptr<SolverWorkspace> makeSolverWorkspace() { return std::make_unique<SolverWorkspace>(); }

} // namespace tv
