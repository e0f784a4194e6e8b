#include "solver/workspace.h"

namespace tv {

// The matrix is left uninitialised: EINFLUSS writes every entry of the first PanelTotal rows and
// columns before anything reads them, and zero-filling 72 MB costs a tenth of a second per start.
SolverWorkspace::SolverWorkspace() : Matrix(new double[std::size_t(kPanelLimit) * kPanelLimit]) {
    Messages.reserve(64);
}

void SolverWorkspace::fail(const std::vector<std::string>& lines) {
    Messages.insert(Messages.end(), lines.begin(), lines.end());
    AbortCalculation = true;
}

void SolverWorkspace::fail(std::string line) {
    Messages.push_back(std::move(line));
    AbortCalculation = true;
}

void SolverWorkspace::clearStatus() {
    AbortCalculation = false;
    WingsShifted = false;
    WingMoved.fill(false);
    SolutionFailed = false;
    EvaluationRan = false;
    Messages.clear();
}

std::unique_ptr<SolverWorkspace> makeSolverWorkspace() { return std::make_unique<SolverWorkspace>(); }

} // namespace tv
