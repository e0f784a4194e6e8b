#pragma once
// The loads of one circulation of the lattice, about a CG: lift, pitching moment, every wing's
// lift and every strip's lift coefficient. Linear in the circulation, so the loads of a sum of
// solutions are the sum of their loads.
#include "solver/workspace.h"

#include <array>
#include <vector>

namespace tv {

struct TrimLoads {
    double Lift = 0;   // L / q, mm^2, both halves
    double Moment = 0; // M / q about the CG, mm^3, nose-up positive, both halves
    std::array<double, kWingMax + 1> WingLift{}; // [w] L_w / q, mm^2
    std::vector<double> StripCl; // per strip in the lattice's order: 2 sum(gamma) / chord
};

/// The loads of gamma[1..PanelTotal] (mm per unit speed, the lattice's panel order) of wings
/// 1..wingCount: panel lift 2 gamma dy at its bound vortex, as the neutral point's evaluation.
TrimLoads trimLoads(int wingCount, const SolverWorkspace& ws, const double* gamma, double cgX);

/// a * A + B + d * D, entry by entry (the strip lists of equal length).
TrimLoads combine(double a, const TrimLoads& A, const TrimLoads& B, double d, const TrimLoads& D);

/// The airfoils' own moment M0 / q = sum of Cm0_j c_j^2 dy_j over the strips of both halves, mm^3;
/// cm0 holds one value per strip in the lattice's order.
double sectionMoment(int wingCount, const SolverWorkspace& ws, const std::vector<double>& cm0);

} // namespace tv
