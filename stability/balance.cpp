#include "stability/balance.h"

#include "model/parse.h"

#include <cmath>

namespace tv {
namespace {

bool withinLength(double x) { return std::fabs(x) <= kLengthLimit; } // false for NaN

/// Integrals over the filled half-wing: area, chord^2, chord x leading edge and chord x station.
/// Each trapezium's chord and leading edge run linearly from the inner section to the outer one;
/// the gap from the centre line to the root section carries the root chord at the root's edge.
struct OutlineIntegrals {
    double area = 0, chordSquare = 0, leadingEdge = 0, station = 0;
    void add(double yi, double dy, double ci, double co, double xi, double xo) {
        area += 0.5 * (ci + co) * dy;
        chordSquare += (ci * ci + ci * co + co * co) / 3.0 * dy;
        leadingEdge += (ci * xi / 3.0 + (ci * xo + co * xi) / 6.0 + co * xo / 3.0) * dy;
        station += dy * (yi * 0.5 * (ci + co) + dy * (ci + 2.0 * co) / 6.0);
    }
};

OutlineIntegrals filledOutlineIntegrals(const Wing& w) {
    OutlineIntegrals in;
    if (w.SectionCount < 1) return in;
    in.add(0, w.StationY[1], w.StationChord[1], w.StationChord[1], w.LeadingEdgeX[1], w.LeadingEdgeX[1]);
    for (int k = 1; k < w.SectionCount && k < kSectionMax; ++k)
        in.add(w.StationY[k], w.StationY[k + 1] - w.StationY[k], w.StationChord[k], w.StationChord[k + 1],
               w.LeadingEdgeX[k], w.LeadingEdgeX[k + 1]);
    return in;
}

bool isReferenceWing(const Aircraft& a, int w) { return w >= 1 && w <= kWingMax && w <= a.WingCount; }

} // namespace

std::optional<MeanChord> meanChord(const Wing& wing) {
    if (!(wing.planform.S > 0) || !(wing.planform.lm > 0)) return std::nullopt;
    const OutlineIntegrals in = filledOutlineIntegrals(wing);
    if (!(in.area > 0)) return std::nullopt;
    MeanChord m;
    m.Length = in.chordSquare / in.area;
    m.RootLeadingEdgeX = wing.PositionX;
    m.LeadingEdgeX = in.leadingEdge / in.area;
    m.StationY = in.station / in.area;
    m.FilledGap = wing.StationY[1];
    return m;
}

std::optional<MeanChord> referenceMeanChord(const Wing& wing, double referenceChord) {
    if (!(referenceChord > 0) || !std::isfinite(referenceChord)) return std::nullopt;
    std::optional<MeanChord> m = meanChord(wing);
    if (m) m->Length = referenceChord;
    return m;
}

CgMeasures cgMeasures(double x, const MeanChord& mac) {
    return {x, (x - mac.LeadingEdgeX) / mac.Length * 100.0, x - mac.RootLeadingEdgeX};
}

double cgInMode(double x, CgInput mode, const MeanChord& mac) {
    const CgMeasures m = cgMeasures(x, mac);
    if (mode == CgInput::PercentMac) return m.PercentMac;
    if (mode == CgInput::BehindRootLe) return m.BehindRootLe;
    return x;
}

CgEntry checkedCg(double x) {
    if (!withinLength(x)) return {CgRefusal::BeyondLimit, x};
    return {CgRefusal::None, x};
}

CgEntry cgFromEntry(std::string_view text, CgInput mode, const std::optional<MeanChord>& mac) {
    if (text.find_first_not_of(" \t") == std::string_view::npos) return {CgRefusal::Empty, 0};
    const std::optional<double> v = parseStrictReal(text);
    if (!v) return {CgRefusal::NotANumber, 0};
    if (mode == CgInput::AircraftFrame) return checkedCg(*v);
    if (!mac) return {CgRefusal::NoMeanChord, 0};
    if (mode == CgInput::BehindRootLe) return checkedCg(mac->RootLeadingEdgeX + *v);
    return checkedCg(mac->LeadingEdgeX + *v / 100.0 * mac->Length);
}

CgVerdict verdictFor(double marginMm, double referenceChord, const StabilityNumbers& n) {
    if (marginMm <= kVerdictToleranceMm) return CgVerdict::Unstable;
    const double lowMm = referenceChord * n.RecommendedMarginLow / 100.0;
    const double highMm = referenceChord * n.RecommendedMarginHigh / 100.0;
    if (marginMm > highMm + kVerdictToleranceMm) return CgVerdict::NoseHeavy;
    if (marginMm < lowMm - kVerdictToleranceMm) return CgVerdict::TooFarAft;
    return CgVerdict::Inside;
}

std::optional<CgMargin> cgMargin(double cgX, double neutralPointX, double referenceChord,
                                 const StabilityNumbers& n) {
    if (!(referenceChord > 0) || !std::isfinite(referenceChord)) return std::nullopt;
    CgMargin m;
    m.Mm = neutralPointX - cgX;
    m.Percent = m.Mm / referenceChord * 100.0;
    m.Verdict = verdictFor(m.Mm, referenceChord, n);
    return m;
}

namespace {

BalanceRow checkRow(const BalanceRowTexts& t) {
    BalanceRow r;
    const bool massBlank = t.Mass.find_first_not_of(" \t") == std::string::npos;
    const bool xBlank = t.X.find_first_not_of(" \t") == std::string::npos;
    const std::optional<double> mass = parseStrictReal(t.Mass), x = parseStrictReal(t.X);
    if (massBlank) r.Problem = RowProblem::MassMissing;
    else if (!mass) r.Problem = RowProblem::MassNotANumber;
    else if (!(*mass > 0)) r.Problem = RowProblem::MassNotPositive;
    else if (*mass > kMassLimit) r.Problem = RowProblem::MassBeyondLimit;
    else if (xBlank) r.Problem = RowProblem::XMissing;
    else if (!x) r.Problem = RowProblem::XNotANumber;
    else if (!withinLength(*x)) r.Problem = RowProblem::XBeyondLimit;
    if (r.used()) r.Mass = *mass, r.X = *x;
    return r;
}

} // namespace

MassBalance massBalance(const std::vector<BalanceRowTexts>& rows) {
    MassBalance mb;
    double moment = 0;
    for (size_t i = 0; i < rows.size() && i < size_t(kBalanceRowMax); ++i) {
        const BalanceRow r = checkRow(rows[i]);
        mb.Rows.push_back(r);
        if (!r.used()) continue;
        mb.TotalMass += r.Mass;
        moment += r.Mass * r.X;
    }
    if (mb.TotalMass > 0) mb.CgX = moment / mb.TotalMass;
    return mb;
}

ChangeAnswer rowMoveFor(const MassBalance& mb, int row, double targetX) {
    if (!mb.CgX) return {ChangeRefusal::NoCg};
    if (row < 0 || size_t(row) >= mb.Rows.size() || !mb.Rows[size_t(row)].used()) return {ChangeRefusal::RowNotUsed};
    if (!withinLength(targetX)) return {ChangeRefusal::BeyondLimit};
    const BalanceRow& r = mb.Rows[size_t(row)];
    const double dx = mb.TotalMass * (targetX - *mb.CgX) / r.Mass;
    if (!withinLength(r.X + dx)) return {ChangeRefusal::BeyondLimit};
    return {ChangeRefusal::None, dx};
}

ChangeAnswer ballastFor(const MassBalance& mb, double ballastX, double targetX) {
    if (!mb.CgX) return {ChangeRefusal::NoCg};
    if (!withinLength(ballastX) || !withinLength(targetX)) return {ChangeRefusal::BeyondLimit};
    const double shift = targetX - *mb.CgX;
    // Already there: no ballast, wherever it would go (even at the target itself).
    if (std::fabs(shift) <= kVerdictToleranceMm) return {ChangeRefusal::None, 0.0};
    if (std::fabs(ballastX - targetX) <= kVerdictToleranceMm) return {ChangeRefusal::BallastAtTarget};
    const double m = mb.TotalMass * shift / (ballastX - targetX);
    if (m < 0) return {ChangeRefusal::NegativeBallast};
    if (m > kMassLimit) return {ChangeRefusal::BeyondLimit};
    return {ChangeRefusal::None, m};
}

std::optional<WingLoading> wingLoading(double totalMass, double referenceArea) {
    if (!(totalMass > 0) || !(referenceArea > 0)) return std::nullopt;
    WingLoading l;
    l.AreaDm2 = referenceArea / 10000.0;
    l.GramsPerDm2 = totalMass / l.AreaDm2;
    l.GramsPerDm3 = totalMass / std::pow(l.AreaDm2, 1.5);
    return l;
}

std::vector<TailVolume> tailVolumes(const Aircraft& aircraft, int referenceWing, const ReferenceValues& ref) {
    std::vector<TailVolume> out;
    const double denominator = ref.ReferenceArea * ref.ReferenceChord;
    if (!(denominator > 0) || !isReferenceWing(aircraft, referenceWing)) return out;
    const Wing& r = aircraft.Wings[referenceWing];
    const double x25Ref = r.PositionX + r.planform.r25;
    for (int w = 1; w <= aircraft.WingCount && w <= kWingMax; ++w) {
        const Wing& wing = aircraft.Wings[w];
        if (w == referenceWing || !(wing.planform.S > 0)) continue;
        const double v = wing.planform.S * (wing.PositionX + wing.planform.r25 - x25Ref) / denominator;
        const SurfaceRole role = v > 0 ? SurfaceRole::Tail : v < 0 ? SurfaceRole::Canard : SurfaceRole::NoLever;
        out.push_back({w, v, role});
    }
    return out;
}

namespace {

/// My CG as entered, or the CG of the table's masses when the entry follows the table.
CgEntry myCgEntry(const BalanceTexts& b, const MassBalance& masses, const std::optional<MeanChord>& mac) {
    if (!b.MyCgFromTable) return cgFromEntry(b.MyCg, b.MyCgInput, mac);
    if (!masses.CgX) return {CgRefusal::NoTableCg, 0};
    return checkedCg(*masses.CgX);
}

} // namespace

BalanceFigures uncalculatedBalanceFigures(const BalanceTexts& balance) {
    BalanceFigures f;
    f.Masses = massBalance(balance.Rows);
    f.MyCg = myCgEntry(balance, f.Masses, std::nullopt);
    return f;
}

BalanceFigures balanceFigures(const Aircraft& aircraft, int referenceWing, const ReferenceValues& ref,
                              const StabilityNumbers& n) {
    BalanceFigures f;
    if (isReferenceWing(aircraft, referenceWing))
        f.Mac = referenceMeanChord(aircraft.Wings[referenceWing], ref.ReferenceChord);
    if (f.Mac) f.MacWing = referenceWing;
    if (f.Mac) {
        f.High = cgMeasures(n.CgHigh, *f.Mac);
        f.Low = cgMeasures(n.CgLow, *f.Mac);
        if (n.DesiredMarginAccepted) f.Desired = cgMeasures(n.CgDesired, *f.Mac);
    }
    f.Masses = massBalance(aircraft.Balance.Rows);
    f.MyCg = myCgEntry(aircraft.Balance, f.Masses, f.Mac);
    if (f.MyCg.ok()) {
        if (f.Mac) f.MyCgAt = cgMeasures(f.MyCg.X, *f.Mac);
        f.MyCgMargin = cgMargin(f.MyCg.X, ref.NeutralPointX, ref.ReferenceChord, n);
    }
    if (n.DesiredMarginAccepted) f.TargetX = n.CgDesired;
    f.Loading = wingLoading(f.Masses.TotalMass, ref.ReferenceArea);
    f.TailVolumes = tailVolumes(aircraft, referenceWing, ref);
    return f;
}

} // namespace tv
