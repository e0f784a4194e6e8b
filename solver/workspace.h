#pragma once
// Every array of the vortex-lattice calculation at its fixed capacity, made once and reused by
// every calculation. Nothing in the solver allocates per calculation (apart from message lines).
//
// Indices keep the program's 1-based numbering: wing w = 1..5, strip s = 1..SpanwiseStrips[w]
// (from the inner edge), chordwise row k = 1..ChordwisePanels[w] (1 = leading edge; some arrays
// also use rows 0 and n+1), trapezium t = 1..4, panel i = 1..PanelTotal. Element 0 is unused
// where an index starts at 1.
#include "model/aircraft.h"

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace tv {

inline constexpr int kStripLimit = 299;      // spanwise strips per wing, s = 1..299
inline constexpr int kRowLimit = 299;        // chordwise rows per wing, k = 1..299
inline constexpr int kPanelLimit = 3000;     // panels of the whole lattice (size of the system)
inline constexpr int kTrimStripLimit = 297;  // strips of one trapezium the strip trim can handle
inline constexpr int kTrimCapacity = 300;    // entries of the trim's vectors and Jacobian, 1-based

/// Vectors of the strip trim, entries 1..300 (element 0 unused).
using TrimVector = std::array<double, kTrimCapacity + 1>;
using TrimMask = std::array<bool, kTrimCapacity + 1>;
/// Jacobian of the Newton iteration, rows and columns 1..300 (row and column 0 unused).
using NewtonMatrix = std::array<std::array<double, kTrimCapacity + 1>, kTrimCapacity + 1>;

/// A per-panel value (k, s, w): rows k = 0..300, strips s = 0..299, wings w = 0..5.
/// The rows of one strip are contiguous, strips of one wing follow each other: the order in
/// which the lattice numbers its panels, so the assembly reads the layout front to back.
class PanelArray {
public:
    static constexpr int kRows = kRowLimit + 2;    // 0..300
    static constexpr int kStrips = kStripLimit + 1; // 0..299
    static constexpr std::size_t kSize = std::size_t(kWingMax + 1) * kStrips * kRows;

    PanelArray() : data_(new double[kSize]()) {}
    double& operator()(int k, int s, int w) { return data_[index(k, s, w)]; }
    double operator()(int k, int s, int w) const { return data_[index(k, s, w)]; }
    /// Row 0 of strip s of wing w; rows 0..300 follow.
    double* strip(int s, int w) { return &data_[index(0, s, w)]; }
    const double* strip(int s, int w) const { return &data_[index(0, s, w)]; }

private:
    static std::size_t index(int k, int s, int w) { return (std::size_t(w) * kStrips + s) * kRows + k; }
    std::unique_ptr<double[]> data_;
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

/// One panel of the packed lattice (index i - 1 for panel i): the bound vortex from A to B and
/// the control point C, mm. Filled by EINFLUSS from the layout arrays.
struct PackedLattice {
    std::array<double, kPanelLimit> Ax{}, Ay{}, Bx{}, By{}, Z{}, Cx{}, Cy{};
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

    // ---- Lattice size (GRID) ------------------------------------------------------------------
    std::array<int, kWingMax + 1> ChordwisePanels{};                                    // [w]
    std::array<std::array<int, kWingMax + 1>, kTrapeziumMax + 1> TrapeziumStrips{};    // [t][w]
    std::array<int, kWingMax + 1> SpanwiseStrips{};                                     // [w]
    int PanelTotal = 0;

    // ---- Vortex layout (TRAWY2), mm ------------------------------------------------------------
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

    // ---- Influence matrix and solution (EINFLUSS, LOES) -------------------------------------
    /// kPanelLimit x kPanelLimit, row-major, row = control point, column = vortex; entry of
    /// panels (i, j) at Matrix[(i-1) * kPanelLimit + (j-1)]. EINFLUSS fills it as the influence
    /// matrix without 1/(4 pi); LOES scales it in place into the system matrix and eliminates it.
    std::unique_ptr<double[]> Matrix;
    double& InfluenceMatrix(int i, int j) { return Matrix[std::size_t(i - 1) * kPanelLimit + (j - 1)]; }
    PackedLattice Packed;
    std::array<double, kPanelLimit> RightHandSide{};
    std::array<double, kPanelLimit + 1> Circulation{}; // [1..PanelTotal], mm

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

/// Makes the one workspace of the program (about 110 MB); call once and keep it. The linear
/// algebra library takes its own buffers here too, so a calculation allocates nothing large.
/// nullptr when the memory is not there: no calculation can run (notEnoughMemoryLine).
std::unique_ptr<SolverWorkspace> makeSolverWorkspace();

} // namespace tv
