#include "solver/workspace.h"

namespace tv {

// The matrix is left uninitialised: EINFLUSS writes every entry of the first PanelTotal rows and
// columns before anything reads them, and zero-filling 72 MB costs a tenth of a second per start.
SolverWorkspace::SolverWorkspace() : Matrix(new double[std::size_t(kPanelLimit) * kPanelLimit]) {
    Messages.reserve(64);
}

std::unique_ptr<SolverWorkspace> makeSolverWorkspace() { return std::make_unique<SolverWorkspace>(); }

} // namespace tv
