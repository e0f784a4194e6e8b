#pragma once
// Every array of the vortex-lattice calculation at its fixed capacity, made once and reused by
// every calculation. Nothing in the solver allocates per calculation (apart from message lines).
//
// Indices keep the program's 1-based numbering: wing w = 1..5, strip s = 1..SpanwiseStrips[w]
// (from the inner edge), chordwise row k = 1..ChordwisePanels[w] (1 = leading edge; some arrays
// also use rows 0 and n+1), trapezium t = 1..4, panel i = 1..PanelTotal. Element 0 is unused
// where an index starts at 1.
#include "i18n/texts.h"
#include "model/aircraft.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tv {

inline constexpr int kStripLimit = 299;      // spanwise strips per wing, s = 1..299
inline constexpr int kRowLimit = 299;        // chordwise rows per wing, k = 1..299
inline constexpr int kPanelLimit = 3000;     // panels of the whole lattice (size of the system)
inline constexpr int kTrimStripLimit = 297;  // strips of one trapezium the strip trim can handle
inline constexpr int kTrimCapacity = 300;    // entries of the trim's vectors and Jacobian, 1-based

/// Raw storage for the large matrices, aligned to 2 MB and offered to the kernel for huge pages
/// (madvise): a 72 MB matrix then costs a few dozen page faults instead of eighteen thousand. The
/// entries are not initialised (the kernel hands out zeroed pages, touched only where written).
/// grow keeps the storage when it is large enough and otherwise replaces it, contents lost; the
/// storage is never given back before the owner goes. Throws std::bad_alloc when the address
/// space is not there.
class HugePageStorage {
public:
    HugePageStorage() = default;
    explicit HugePageStorage(std::size_t bytes) { grow(bytes); }
    HugePageStorage(const HugePageStorage&) = delete;
    HugePageStorage& operator=(const HugePageStorage&) = delete;
    ~HugePageStorage() { release(); }
    void grow(std::size_t bytes);
    void* data() const { return data_; }
    std::size_t bytes() const { return bytes_; }

private:
    void release();
    void* mapping_ = nullptr;
    std::size_t mappingBytes_ = 0;
    void* data_ = nullptr;
    std::size_t bytes_ = 0;
};

/// A grow-only array of T on HugePageStorage: size() is what it was grown to; growing keeps the
/// entries only when no new storage was needed.
template <class T>
class HugePageArray {
public:
    void grow(std::size_t count) {
        if (count <= size_) return;
        storage_.grow(count * sizeof(T));
        size_ = storage_.bytes() / sizeof(T);
    }
    T* data() { return static_cast<T*>(storage_.data()); }
    const T* data() const { return static_cast<const T*>(storage_.data()); }
    std::size_t size() const { return size_; }

private:
    HugePageStorage storage_;
    std::size_t size_ = 0;
};

/// Vectors of the strip trim, entries 1..300 (element 0 unused).
using TrimVector = std::array<double, kTrimCapacity + 1>;
using TrimMask = std::array<bool, kTrimCapacity + 1>;
/// Jacobian of the Newton iteration, rows and columns 1..300 (row and column 0 unused).
using NewtonMatrix = std::array<std::array<double, kTrimCapacity + 1>, kTrimCapacity + 1>;

/// Where the panels of each wing lie in a PanelArray: wing w's strips s = 0..strips[w] start at
/// offset[w] and hold rows[w] = ChordwisePanels[w] + 2 entries each (rows k = 0..n+1).
struct LatticeShape {
    std::array<std::size_t, kWingMax + 1> offset{};
    std::array<int, kWingMax + 1> rows{};
    std::array<int, kWingMax + 1> strips{}; // SpanwiseStrips[w] the shape was made for
    std::size_t size = 0; // entries of the whole array
};

/// The shape of a lattice of the given rows and strips per wing [1..5]; negative counts count 0.
LatticeShape latticeShape(const std::array<int, kWingMax + 1>& chordwisePanels,
                          const std::array<int, kWingMax + 1>& spanwiseStrips);

/// A per-panel value (k, s, w), sized to the lattice of the last layout (see LatticeShape):
/// rows k = 0..ChordwisePanels[w] + 1, strips s = 0..SpanwiseStrips[w], wings w = 1..5.
/// The rows of one strip are contiguous, strips of one wing follow each other: the order in
/// which the lattice numbers its panels, so the assembly reads the layout front to back.
/// reshape zero-fills the entries of the new shape; the storage grows to the largest lattice met
/// and is never given back, so a small aircraft costs what it uses and a large one allocates once.
/// Reading outside the shape is undefined, as reading beyond a fixed array was.
class PanelArray {
public:
    void reshape(const LatticeShape& shape) {
        shape_ = shape;
        data_.assign(shape.size, 0.0);
    }
    double& operator()(int k, int s, int w) { return data_[index(k, s, w)]; }
    double operator()(int k, int s, int w) const { return data_[index(k, s, w)]; }
    /// Row 0 of strip s of wing w; rows 0..n+1 follow.
    double* strip(int s, int w) { return &data_[index(0, s, w)]; }
    const double* strip(int s, int w) const { return &data_[index(0, s, w)]; }

private:
    std::size_t index(int k, int s, int w) const { return shape_.offset[w] + std::size_t(s) * shape_.rows[w] + k; }
    LatticeShape shape_;
    std::vector<double> data_;
};

/// A per-strip value (s, w): strips s = 0..299, wings w = 0..5.
class StripArray {
public:
    static constexpr int kStrips = kStripLimit + 1;
    double& operator()(int s, int w) { return data_[w][s]; }
    double operator()(int s, int w) const { return data_[w][s]; }

private:
    std::array<std::array<double, kStrips>, kWingMax + 1> data_{};
};

/// Half outline of the reference wing from the centre line: points 1..count (count = 2q + 2 for
/// q sections, at most 12), x and y in mm.
struct Outline {
    int count = 0;
    std::array<double, 2 * kSectionMax + 3> x{};
    std::array<double, 2 * kSectionMax + 3> y{};
};

/// Strips side by side whose corners are shared: each right edge is bit for bit the next strip's
/// left edge, so the `rows` corners of an edge are one set of nodes for both strips. Panel
/// first + q (q = 0..count-1) has corner A at node node + q and corner B at node + q + rows.
struct CornerRun {
    int first = 0, count = 0, node = 0, rows = 0;
};

/// What a control point takes from each node of the packed lattice: |a|^2, 1/|a| and the trailing
/// leg's term, of the node and of its mirror image. A row writes the NodeCount entries it reads.
struct CornerTerms {
    std::array<double, 2 * kPanelLimit> A2, Ia, Leg, MirrorA2, MirrorIa, MirrorLeg;
};

/// One panel of the packed lattice (index i - 1 for panel i): the bound vortex from A to B and
/// the control point C, mm. Filled by EINFLUSS from the layout arrays, with the corners as nodes
/// (Nx, Ny, Nz: at most two per panel, where no strip shares an edge) and the runs that use them.
struct PackedLattice {
    std::array<double, kPanelLimit> Ax{}, Ay{}, Bx{}, By{}, Z{}, Cx{}, Cy{};
    std::array<double, 2 * kPanelLimit> Nx{}, Ny{}, Nz{};
    int NodeCount = 0;
    std::vector<CornerRun> Runs;
};

enum class RefinedOutcome {
    Converged,    // the last correction, or the next as its shrinking predicts, is below kRefinedTolerance
    FactorFailed, // single precision overflowed or met a zero pivot column
    NotConverged, // the step limit was reached (or the solution went non-finite)
};

/// What the last refined solve did (solver/refined_solve.h).
struct RefinedResult {
    RefinedOutcome outcome = RefinedOutcome::NotConverged;
    int steps = 0;             // corrections applied after the first single-precision solution
    double lastCorrection = 0; // largest |correction| / largest |x| of the last step
};

/// Storage of the refined solve, grown to the largest system met: the single-precision
/// factorisation (n x n, leading dimension n), its pivots and the vectors of the refinement.
/// EINFLUSS may write the single-precision copy of the system matrix into Factor as it fills the
/// matrix (CopyFor = n then); the solve factors it in place (FactoredFor = n), and the factor
/// stays for further right-hand sides until the matrix or the storage changes.
struct RefinementWork {
    HugePageArray<float> Factor;
    int CopyFor = 0;     // Factor holds the unfactored single copy of the n x n system matrix
    int FactoredFor = 0; // Factor holds the factorisation of the n x n system matrix, pivots in Pivots
    std::vector<int> Pivots;
    std::vector<float> Vector;
    std::vector<double> Residual, Solution;
};

struct SolverWorkspace {
    SolverWorkspace();

    // ---- Status of the calculation ------------------------------------------------------------
    bool AbortCalculation = false;          // a step failed; later steps are skipped
    bool WingsShifted = false;              // KONFLIKT2 moved wings in z
    std::array<bool, kWingMax + 1> WingMoved{}; // [1..5] wings whose PositionZ KONFLIKT2 changed
    bool SolutionFailed = false;            // LOES found the system singular
    bool EvaluationRan = false;             // the run reached WIRBEL_ERG: lattice and loads are in memory
    std::vector<std::string> Messages;      // lines for the results box, in order

    /// Ends a step in failure, the one way every solver step fails: appends the lines for the
    /// results box and sets AbortCalculation.
    void fail(const std::vector<std::string>& lines);
    void fail(std::string line);
    /// The status of a new run: every flag above cleared, no messages.
    void clearStatus();

    // ---- Lattice size (GRID) ------------------------------------------------------------------
    std::array<int, kWingMax + 1> ChordwisePanels{};                                    // [w]
    std::array<std::array<int, kWingMax + 1>, kTrapeziumMax + 1> TrapeziumStrips{};    // [t][w]
    std::array<int, kWingMax + 1> SpanwiseStrips{};                                     // [w]
    int64_t PanelTotal = 0; // as sized, also when GRID refuses it (no clamp)

    // ---- Vortex layout (TRAWY2), mm ------------------------------------------------------------
    // The panel arrays (layout and loads) are shaped to the lattice by shapeLattice, which TRAWY2
    // calls after GRID: a default aircraft touches a few hundred kilobytes, not 30 MB.
    void shapeLattice();
    LatticeShape Shape; // of the panel arrays: readers clamp their loops to it
    PanelArray PanelXLeft;   // rows 1..n+1: panel corners on the inner strip edge, n+1 = trailing edge
    PanelArray PanelXRight;  // the same on the outer strip edge
    PanelArray VortexXLeft;  // rows 1..n: bound vortex (quarter chord of the panel), inner edge
    PanelArray VortexXRight; // the same on the outer edge
    PanelArray ControlX;     // rows 0..n+1 in the strip middle: 0 leading edge, 1..n control points
    StripArray StripYLeft, StripYRight, StripYMid, StripChord;
    std::array<double, kWingMax + 1> SolverWingZ{}; // [w] height of the wing

    // ---- Strip trim working data -----------------------------------------------------------------
    NewtonMatrix NewtonJacobian{}; // rows and columns 1..297 are used
    std::array<double, kTrimCapacity + 1> StripFraction{}; // [0..n_s] of the trapezium being laid out

    // ---- System matrix and solution (EINFLUSS, LOES) --------------------------------------------
    /// Room for kPanelLimit x kPanelLimit entries (huge pages); the system of PanelTotal unknowns
    /// is stored row-major and compact, leading dimension matrixStride() = PanelTotal: row =
    /// control point, column = vortex, entry of panels (i, j) at Matrix[(i-1) * n + (j-1)].
    /// EINFLUSS fills it as the system matrix (the influence times 0.0795775, 1/(4 pi) to seven
    /// digits); LOES solves it (the exact path eliminates it in place).
    HugePageArray<double> Matrix;
    int matrixStride() const { return PanelTotal > 0 && PanelTotal <= kPanelLimit ? int(PanelTotal) : kPanelLimit; }
    double& SystemMatrix(int i, int j) { return Matrix.data()[std::size_t(i - 1) * matrixStride() + (j - 1)]; }
    PackedLattice Packed;
    std::vector<CornerTerms> CornerScratch; // one per thread of the fill, kept for the next one
    std::array<double, kPanelLimit> RightHandSide{};
    std::array<double, kPanelLimit + 1> Circulation{}; // [1..PanelTotal], mm
    bool ExactSolve = false;      // solve in double precision only (no single-precision refinement)
    RefinementWork Refinement;    // the refined solve's storage, grown to PanelTotal
    RefinedResult LastRefinement; // how the last refined solve ended (the exact path leaves it cleared)
    std::array<int, kPanelLimit> EliminationPivots{}; // SIMQ902's pivot rows: further sides on its factor

    // ---- Results (WIRBEL_ERG) --------------------------------------------------------------------
    PanelArray PanelLoad;   // [k][s][w], rows 1..n: 2 * circulation / panel length, per radian
    PanelArray PanelLoad3D; // the same values, for the 3D view
    std::array<double, kWingMax + 1> WingLiftSlope{}; // [w] per radian, on the wing's own area
    std::array<double, kWingMax + 1> WingAcX{};       // [w] aircraft frame, mm
    std::array<double, kWingMax + 1> WingAcY{};       // [w] right half, mm
    double NeutralPointX = 0;  // aircraft frame, mm
    double ReferenceArea = 0;  // mm^2, both halves
    double ReferenceChord = 0; // mm
    int ReferenceWing = 0;     // 1..5, 0 when none was found
    Outline ReferenceOutline;
};

/// Makes a workspace: the system matrix is reserved at its capacity (72 MB of address space,
/// touched only as far as a lattice uses it), the panel arrays grow with the lattices solved.
/// Make one per thread that calculates, and keep it. nullptr when even that memory is not there:
/// no calculation can run (notEnoughMemoryLine with kWorkspaceBytes).
std::unique_ptr<SolverWorkspace> makeSolverWorkspace();
inline constexpr std::size_t kWorkspaceBytes = sizeof(SolverWorkspace) + sizeof(double) * kPanelLimit * kPanelLimit;

/// What the calculation of the lattice GRID has just sized (ws.PanelTotal panels) still has to
/// take, bytes: the linear algebra library's thread buffers until they are taken, the
/// single-precision copy of this lattice's matrix when the refined solve needs a larger one, the
/// main thread's stack still to grow for the library, and the measured headroom of the assembly
/// and the solve. Nothing that a larger aircraft would need.
std::size_t calculationMemoryBytes(const SolverWorkspace& ws);

/// Asks for calculationMemoryBytes at once and gives it back, so that a shortage is found while it
/// can still be reported: false after ws.fail with the line naming the amount; true when the
/// calculation has room to finish (the library's buffers are then taken).
bool reserveCalculationMemory(SolverWorkspace& ws, UiLanguage lang);

/// Replaces the probe behind reserveCalculationMemory (nullptr: the real one, which allocates);
/// a replaced probe is also asked for kWorkspaceBytes by makeSolverWorkspace. A test refuses
/// the memory this way without a process limit.
void setMemoryProbe(std::function<bool(std::size_t bytes)> probe);

/// Memory the probe keeps free beside every calculation for the rest of the program (the window
/// draws, and Qt cannot fail softly when an allocation is refused), bytes; 0 by default. Counted
/// in the amount a refusal names.
void setMemoryReserve(std::size_t bytes);

/// True once this process has found the memory short: the linear algebra library's threads may
/// then be retrying their buffers for ever, and a normal exit would wait for them.
bool memoryWasShort();

/// The status to return from main: after a shortage the process ends here at once (output
/// flushed, no exit handlers), otherwise `status` comes back.
int endOfProcess(int status);

} // namespace tv
