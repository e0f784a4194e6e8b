#include "solver/workspace.h"

#include <algorithm>

namespace tv {

// The matrix is left uninitialised: EINFLUSS writes every entry of the first PanelTotal rows and
// columns before anything reads them, and zero-filling 72 MB costs a tenth of a second per start.
SolverWorkspace::SolverWorkspace() : Matrix(new double[std::size_t(kPanelLimit) * kPanelLimit]) {
    Messages.reserve(64);
}

LatticeShape latticeShape(const std::array<int, kWingMax + 1>& chordwisePanels,
                          const std::array<int, kWingMax + 1>& spanwiseStrips) {
    LatticeShape shape;
    for (int w = 1; w <= kWingMax; ++w) {
        shape.offset[w] = shape.size;
        shape.strips[w] = std::max(spanwiseStrips[w], 0);
        shape.rows[w] = std::max(chordwisePanels[w], 0) + 2;
        shape.size += std::size_t(shape.strips[w] + 1) * shape.rows[w];
    }
    return shape;
}

void SolverWorkspace::shapeLattice() {
    Shape = latticeShape(ChordwisePanels, SpanwiseStrips);
    for (PanelArray* a : {&PanelXLeft, &PanelXRight, &VortexXLeft, &VortexXRight, &ControlX, &PanelLoad, &PanelLoad3D})
        a->reshape(Shape);
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
