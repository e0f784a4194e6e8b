#include "solver/workspace.h"

#include "solver/blas_pool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <cstdio>
#include <cblas.h>
#include <cstdlib>
#include <new>
#include <sys/mman.h>
#include <vector>

namespace tv {

namespace {
constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;
}

void HugePageStorage::grow(std::size_t bytes) {
    if (bytes <= bytes_) return;
    release();
    const std::size_t rounded = (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
    // One huge page more than asked, so that an aligned start lies inside the mapping.
    const std::size_t length = rounded + kHugePageBytes;
    void* mapping = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapping == MAP_FAILED) throw std::bad_alloc();
    const std::uintptr_t start = (reinterpret_cast<std::uintptr_t>(mapping) + kHugePageBytes - 1) & ~(kHugePageBytes - 1);
    mapping_ = mapping, mappingBytes_ = length;
    data_ = reinterpret_cast<void*>(start), bytes_ = rounded;
    madvise(data_, bytes_, MADV_HUGEPAGE); // a kernel without huge pages keeps small ones
}

void HugePageStorage::release() {
    if (mapping_) munmap(mapping_, mappingBytes_);
    mapping_ = data_ = nullptr;
    mappingBytes_ = bytes_ = 0;
}

// The matrix is left uninitialised: EINFLUSS writes every entry of the PanelTotal rows and
// columns before anything reads them, and zero-filling 72 MB costs a tenth of a second per start.
SolverWorkspace::SolverWorkspace() {
    Matrix.grow(std::size_t(kPanelLimit) * kPanelLimit);
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

// What a calculation takes besides the counted arrays and buffers, measured under address-space
// limits (ulimit -v in 10 MB steps, lattices of 486, 1144 and 3000 panels): the probe passed at
// most 10 MB below the limit the calculation needed (the assembly threads' stacks and arenas,
// the elimination's blocks). Twice that, so that a passed probe is a finished calculation.
constexpr std::size_t kHeadroomBytes = std::size_t{40} << 20;

std::atomic<bool> g_blasReady{false};
std::atomic<bool> g_memoryShort{false};
std::function<bool(std::size_t)> g_probe;
std::atomic<std::size_t> g_reserve{0};

// The library's worker threads take their buffers as they start, at some moment after the
// program was loaded or the pool restarted, and the calling thread takes its own at its first
// product. Counting only what is not mapped yet (blasBuffersMapped) makes the probe ask the same
// total whether a worker was quicker or slower than the probe: without it, the same limit gave a
// calculation or a refusal depending on the moment.
std::size_t blasBytesStillToTake(int mapped) {
    if (g_blasReady) return 0;
    return std::size_t(std::max(std::max(openblas_get_num_threads(), 1) - mapped, 0)) * kBlasThreadBufferBytes;
}

bool defaultProbe(std::size_t bytes) {
    void* probe = std::malloc(bytes);
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

std::size_t latticeBytes(const SolverWorkspace& ws) {
    const std::size_t n = std::size_t(std::clamp<int64_t>(ws.PanelTotal, 0, kPanelLimit));
    std::size_t bytes = kHeadroomBytes;
    if (!ws.ExactSolve && ws.Refinement.Factor.size() < n * n) bytes += n * n * sizeof(float);
    return bytes;
}

} // namespace

std::size_t calculationMemoryBytes(const SolverWorkspace& ws) {
    return latticeBytes(ws) + blasBytesStillToTake(blasBuffersMapped()) + blasStackStillToGrow();
}

bool reserveCalculationMemory(SolverWorkspace& ws, UiLanguage lang) {
    // The workers normally hold their buffers long before the first calculation; a worker that
    // is still starting is given up to 100 ms, so that the probe (and the amount it names) is the
    // same from run to run. A worker that cannot get its buffer never maps it: then the wait ends.
    for (int wait = 0; !g_blasReady && wait < 20 && blasBuffersMapped() < openblas_get_num_threads() - 1; ++wait)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    // A worker that maps its buffer between the count and the probe would be counted twice: the
    // probe is repeated while the count moves.
    std::size_t bytes = latticeBytes(ws) + kBlasStackBytes; // named when the stack is what is missing
    for (int attempt = 0; attempt < 4 && stackHoldsTheLibrarysDepth(); ++attempt) {
        const int mapped = blasBuffersMapped();
        bytes = latticeBytes(ws) + blasBytesStillToTake(mapped) + blasStackStillToGrow() + g_reserve;
        if (g_probe ? g_probe(bytes) : defaultProbe(bytes)) {
            growStackForBlas();
            if (!g_blasReady.exchange(true)) warmUpBlas();
            return true;
        }
        if (blasBuffersMapped() == mapped) break;
    }
    g_memoryShort = true;
    ws.fail(notEnoughMemoryLine(lang, bytes));
    return false;
}

void setMemoryProbe(std::function<bool(std::size_t)> probe) { g_probe = std::move(probe); }

void setMemoryReserve(std::size_t bytes) { g_reserve = bytes; }

bool memoryWasShort() { return g_memoryShort; }

int endOfProcess(int status) {
    if (!memoryWasShort() && !blasWorkerMayBeStuck()) return status;
    std::fflush(nullptr);
    std::_Exit(status);
}

std::unique_ptr<SolverWorkspace> makeSolverWorkspace() {
    try {
        if (g_probe && !g_probe(kWorkspaceBytes)) throw std::bad_alloc();
        return std::make_unique<SolverWorkspace>();
    } catch (const std::bad_alloc&) {
        g_memoryShort = true;
        return nullptr;
    }
}

} // namespace tv
