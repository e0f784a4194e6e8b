#pragma once
// From the neutral point to the balance point: where a centre of gravity lies on the reference
// wing's mean aerodynamic chord, the static margin and verdict of the CG the designer has, the CG
// of the weight-and-balance table and what to change to reach the desired one, the wing loading
// and the volume coefficients of the other wings.
// Units: lengths and x positions in mm (aircraft frame, x grows rearwards), masses in g, areas in
// mm^2 unless a name says otherwise. Every failure is a value (a refusal), never an exception.
#include "model/aircraft.h"
#include "model/balance.h"
#include "stability/stability.h"

#include <optional>
#include <string_view>
#include <vector>

namespace tv {

// ---- The reference wing's mean aerodynamic chord ---------------------------------------------

struct MeanChord {
    double LeadingEdgeX = 0;     // mm, aircraft frame: the area-weighted leading edge of the filled outline
    double Length = 0;           // mm, the reference chord of the margins
    double RootLeadingEdgeX = 0; // mm, aircraft frame: PositionX, the leading edge of the root section
    double StationY = 0;         // mm from the centre line: the centroid of the filled half-wing's area
    double FilledGap = 0;        // mm, the centre gap (RootOffset) filled with the root chord; 0 without one
};

/// The mean chord of a wing's outline as the neutral point's reference chord takes it: a centre gap
/// is filled with the root chord at the root's leading edge. From the planform of the fields (not
/// the one the lattice overwrites); nothing for a wing without area or chord. Without a gap it is
/// the planform's lm at PositionX + r25 - lm/4.
std::optional<MeanChord> meanChord(const Wing& wing);

/// The mean chord every balance figure measures with: meanChord(wing) with the length the margins
/// divide by (the calculation's reference chord; the lattice integrates the same filled outline).
/// Nothing when that length is not a positive finite number.
std::optional<MeanChord> referenceMeanChord(const Wing& wing, double referenceChord);

/// One CG position in the three measures the program shows.
struct CgMeasures {
    double X = 0;            // mm, aircraft frame
    double PercentMac = 0;   // % of lm, from the mean chord's leading edge (ahead of it: negative)
    double BehindRootLe = 0; // mm behind the root leading edge (ahead of it: negative)
};
CgMeasures cgMeasures(double x, const MeanChord& mac);

/// The value an entry in `mode` shows for the aircraft-frame x (the inverse of cgFromEntry).
double cgInMode(double x, CgInput mode, const MeanChord& mac);

// ---- An entered CG ---------------------------------------------------------------------------

enum class CgRefusal {
    None,
    Empty,        // nothing entered
    NotANumber,   // the text is not one number (parseStrictReal)
    BeyondLimit,  // |x| > kLengthLimit in the aircraft frame, refused like any geometry
    NoMeanChord,  // % MAC or root-LE entry without a reference wing (no current result)
    NoTableCg     // "from the table" while the table gives no CG
};

struct CgEntry {
    CgRefusal Refusal = CgRefusal::Empty;
    double X = 0; // mm, aircraft frame; meaningful only when ok()
    bool ok() const { return Refusal == CgRefusal::None; }
};

/// An aircraft-frame x checked against ±kLengthLimit (a NaN is beyond it too).
CgEntry checkedCg(double x);

/// The entry `text` given in `mode`, in the aircraft frame: x = text (AircraftFrame), the root's
/// leading edge + text (BehindRootLe), the mean chord's leading edge + text % of lm (PercentMac).
CgEntry cgFromEntry(std::string_view text, CgInput mode, const std::optional<MeanChord>& mac);

// ---- Static margin and verdict ---------------------------------------------------------------

enum class CgVerdict {
    Inside,    // recommended low <= margin <= recommended high
    NoseHeavy, // margin above the larger recommended value
    TooFarAft, // 0 < margin below the smaller recommended value
    Unstable   // the CG at or behind the neutral point (margin <= 0)
};

/// Distances closer than this (mm) count as equal: a CG typed exactly at a limit is at the limit
/// whatever the last bit of the arithmetic; it is far below anything a builder can measure.
inline constexpr double kVerdictToleranceMm = 1e-6;

struct CgMargin {
    double Percent = 0; // (x_NP - x_CG) / c_ref * 100
    double Mm = 0;      // x_NP - x_CG
    CgVerdict Verdict = CgVerdict::Inside;
};

/// The boundary rules: a CG at a recommended limit (within kVerdictToleranceMm) is inside; at the
/// neutral point (within the tolerance) or behind it, unstable. The limits are the recommended
/// margins of `n` as distances c_ref * margin / 100 ahead of the neutral point.
CgVerdict verdictFor(double marginMm, double referenceChord, const StabilityNumbers& n);

/// The margin of the CG at cgX; nothing when the reference chord is not a positive finite length.
std::optional<CgMargin> cgMargin(double cgX, double neutralPointX, double referenceChord, const StabilityNumbers& n);

// ---- Weight and balance ----------------------------------------------------------------------

/// Largest mass (g) of a row or of ballast: a tonne, beyond any model aircraft.
inline constexpr double kMassLimit = 1e6;

enum class RowProblem {
    None, MassMissing, MassNotANumber, MassNotPositive, MassBeyondLimit, XMissing, XNotANumber, XBeyondLimit
};

struct BalanceRow {
    RowProblem Problem = RowProblem::None; // the first problem found, the mass checked first
    double Mass = 0;                       // g, when used()
    double X = 0;                          // mm, when used()
    bool used() const { return Problem == RowProblem::None; }
};

struct MassBalance {
    std::vector<BalanceRow> Rows; // one per table row, the first kBalanceRowMax rows
    double TotalMass = 0;         // g, of the rows used
    std::optional<double> CgX;    // mm, aircraft frame, when a row is used
};

/// Checks every row and sums the rows without a problem; a row with a problem is left out, never
/// guessed. Rows beyond kBalanceRowMax are not looked at.
MassBalance massBalance(const std::vector<BalanceRowTexts>& rows);

enum class ChangeRefusal {
    None,
    NoCg,             // the table gives no CG
    RowNotUsed,       // the chosen row is left out of the sums (or does not exist)
    BallastAtTarget,  // ballast placed at the target CG can not move the CG there
    NegativeBallast,  // the target lies beyond the ballast: it would need a negative mass
    BeyondLimit       // the answer (x, or mass) or an input lies beyond kLengthLimit / kMassLimit
};

struct ChangeAnswer {
    ChangeRefusal Refusal = ChangeRefusal::None;
    double Value = 0; // mm (a move, + is rearwards) or g (ballast); meaningful only when ok()
    bool ok() const { return Refusal == ChangeRefusal::None; }
};

/// How far to move row `row` (0-based) so that the CG of the masses lands on targetX:
/// dx = M * (x_target - x_CG) / m_row. The row's new x (x + dx) must stay within the limit.
ChangeAnswer rowMoveFor(const MassBalance& mb, int row, double targetX);

/// The ballast at ballastX that brings the CG of the masses to targetX:
/// m = M * (x_target - x_CG) / (x_ballast - x_target); 0 when the CG is there already.
ChangeAnswer ballastFor(const MassBalance& mb, double ballastX, double targetX);

// ---- Wing loading and tail volume ------------------------------------------------------------

struct WingLoading {
    double AreaDm2 = 0;     // the reference area the loadings are on, dm^2
    double GramsPerDm2 = 0; // mass / area
    double GramsPerDm3 = 0; // mass / area^1.5, the cubic wing loading
};
/// Nothing when the mass or the area is not positive (a table without mass gives no loading).
std::optional<WingLoading> wingLoading(double totalMass, double referenceArea);

enum class SurfaceRole { Tail, Canard, NoLever };

struct TailVolume {
    int Wing = 0;           // 1..5
    double Coefficient = 0; // V = S_w (x25_w - x25_ref) / (S_ref c_ref), + behind the reference wing
    SurfaceRole Role = SurfaceRole::NoLever; // by the sign of V: + tail, - canard, 0 no lever
};

/// V of every wing in use other than the reference wing that has an area, in wing order. S_w and
/// the quarter points x25 = PositionX + r25 come from the planforms of `aircraft` (as computeAircraft
/// gives them); S_ref and c_ref are the calculation's. Empty when S_ref * c_ref is not positive.
std::vector<TailVolume> tailVolumes(const Aircraft& aircraft, int referenceWing, const ReferenceValues& ref);

// ---- Everything at once ----------------------------------------------------------------------

/// The balance figures of one calculated aircraft: the data the window's pages, the report and the
/// batch calculator show.
struct BalanceFigures {
    int MacWing = 0;              // the reference wing 1..5 the mean chord is of; 0 without one
    std::optional<MeanChord> Mac; // of the reference wing
    std::optional<CgMeasures> High, Low, Desired; // the recommended and desired CGs (Desired if accepted)
    CgEntry MyCg;                     // the entry, or the table's CG when MyCgFromTable
    std::optional<CgMeasures> MyCgAt; // when MyCg is ok and the mean chord is known
    std::optional<CgMargin> MyCgMargin;
    MassBalance Masses;
    std::optional<double> TargetX; // the desired margin's CG, when accepted: the goal of moves and ballast
    std::optional<WingLoading> Loading;
    std::vector<TailVolume> TailVolumes;
};

/// All figures for `aircraft` (planforms as computeAircraft gives them, Balance as entered) with
/// the calculation's reference wing (1..5; anything else: no mean chord) and reference values, and
/// the stability numbers computed for that neutral point.
BalanceFigures balanceFigures(const Aircraft& aircraft, int referenceWing, const ReferenceValues& ref,
                              const StabilityNumbers& n);

/// The table's figures, which need no calculation: the masses, their CG and the My CG entry in the
/// aircraft frame (a % MAC or root-LE entry is refused with NoMeanChord). For a window without a
/// current result.
BalanceFigures uncalculatedBalanceFigures(const BalanceTexts& balance);

} // namespace tv
