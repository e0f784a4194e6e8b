#include "solver/workspace.h"

#include <algorithm>
#include <cblas.h>
#include <cstdlib>
#include <new>
#include <vector>

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


namespace {

// OpenBLAS's worker threads take their buffers when the library is loaded; the calling thread
// takes its own (128 MB) at its first level-3 call and, when the memory is not there, retries for
// ever instead of failing. The probe asks for that much, and for what the largest lattice still
// takes during a calculation (its single-precision copy of the matrix, 36 MB, the panel arrays
// and the threads' working space), and gives it back, so that a shortage is found while it can
// still be reported: a limit that passes the probe leaves the solve room to finish.
constexpr std::size_t kBlasBufferBytes = std::size_t{256} << 20;

bool blasBufferAvailable() {
    void* probe = std::malloc(kBlasBufferBytes);
    std::free(probe);
    return probe != nullptr;
}

// One product large enough to run on every thread and one triangular solve: the buffers are
// taken now, the elimination later finds them in place.
void warmUpBlas() {
    constexpr int n = 128;
    std::vector<double> a(n * n, 1.0), b(n * n, 1.0), c(n * n, 0.0);
    for (int i = 0; i < n; ++i) a[i * n + i] = n;
    cblas_dgemm(CblasRowMajor, CblasNoTrans, CblasNoTrans, n, n, n, 1.0, a.data(), n, b.data(), n, 0.0, c.data(), n);
    cblas_dtrsm(CblasRowMajor, CblasLeft, CblasLower, CblasNoTrans, CblasNonUnit, n, n, 1.0, a.data(), n, c.data(), n);
}

} // namespace

std::unique_ptr<SolverWorkspace> makeSolverWorkspace() {
    try {
        auto ws = std::make_unique<SolverWorkspace>();
        if (!blasBufferAvailable()) return nullptr;
        warmUpBlas();
        return ws;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace tv
