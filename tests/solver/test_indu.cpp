// The horseshoe kernel: the worked value, points on the bound segment's line under round-off,
// and points on a trailing leg.
#include "solver/indu.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tv {
namespace {

Vec3 minus(Vec3 c, Vec3 p) { return {c.x - p.x, c.y - p.y, c.z - p.z}; }
double induAt(Vec3 A, Vec3 B, Vec3 C) { return INDU(minus(C, A), minus(C, B)); }

TEST(INDU, UnitHorseshoeBehindItsBoundSegment) {
    EXPECT_NEAR(induAt({0, -1, 0}, {0, 1, 0}, {1, 0, 0}), -4.828427, 1e-6);
}

// On the line of the bound segment only the two legs act: -a.y*Ta + b.y*Tb with a.x = b.x = 0.
double legsOnly(double y, double yA, double yB) { return -(y - yA) / ((y - yA) * (y - yA)) + (y - yB) / ((y - yB) * (y - yB)); }

TEST(INDU, PointsOnTheBoundLineUnderRoundOffGetOnlyTheLegs) {
    // Bound segments that are not axis-parallel put points on their line only up to round-off;
    // in these rows the cross product comes out at 1e-23..1e-27 instead of 0, and dividing by it
    // would add a bound term as large as, or 30 times, the true value.
    struct Row {
        const char* name;
        Vec3 A, B;
        double t; // the point A + t (B - A)
    } rows[] = {
        {"swept, beyond B", {0.37, 1.1, 0}, {6.57, 9.8, 0}, 2.2},
        {"swept, far beyond B", {112.5, 20, -190}, {131.3, 57.9, -190}, 23.0},
        {"raked, far beyond B", {5.55, 2.2, 0}, {11.75, 22, 0}, 12.0},
    };
    for (const Row& r : rows) {
        const Vec3 C{r.A.x + r.t * (r.B.x - r.A.x), r.A.y + r.t * (r.B.y - r.A.y), r.A.z};
        const Vec3 a = minus(C, r.A), b = minus(C, r.B);
        const double legs = -a.y * (1 + a.x / std::sqrt(a.x * a.x + a.y * a.y)) / (a.y * a.y) +
                            b.y * (1 + b.x / std::sqrt(b.x * b.x + b.y * b.y)) / (b.y * b.y);
        EXPECT_NEAR(INDU(a, b), legs, 1e-9 * std::fabs(legs)) << r.name;
    }
    EXPECT_DOUBLE_EQ(induAt({0, -1, 0}, {0, 1, 0}, {0, 3, 0}), legsOnly(3, -1, 1));
}

TEST(INDU, PointOnATrailingLegIsFinite) {
    // Straight behind corner A: that leg contributes nothing, the rest stays finite.
    const double w = induAt({0, 0, 0}, {0, 10, 0}, {50, 0, 0});
    EXPECT_TRUE(std::isfinite(w));
    const double nearby = induAt({0, 0, 0}, {0, 10, 0}, {50, 1e-9, 0});
    EXPECT_TRUE(std::isfinite(nearby));
    // A point on a corner itself gives no NaN either.
    EXPECT_TRUE(std::isfinite(induAt({0, 0, 0}, {0, 10, 0}, {0, 0, 0})));
}

TEST(INDU, MirrorSymmetry) {
    // Mirroring the whole configuration in y and reversing the horseshoe gives the same value.
    const Vec3 A{3, 2, 0}, B{5, 9, 1}, C{20, 4, -2};
    EXPECT_NEAR(induAt(A, B, C), induAt({B.x, -B.y, B.z}, {A.x, -A.y, A.z}, {C.x, -C.y, C.z}), 1e-15);
}

} // namespace
} // namespace tv
