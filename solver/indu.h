#pragma once
// INDU: vertical velocity of a unit horseshoe vortex (Biot-Savart), without the factor 1/(4 pi).
#include <cmath>

namespace tv {

struct Vec3 {
    double x, y, z;
};

/// 1/|a| from |a|^2; 0 for a point on the corner itself. The select is on the operand, never
/// around the division, so that the loops over panels vectorise.
inline double inverseLength(double a2) {
    const double any = 1.0 / std::sqrt(a2 > 0 ? a2 : 1.0);
    return a2 > 0 ? any : 0.0;
}

/// The trailing leg of a corner at a = C - corner with ia = 1/|a|: a.y (1 + a.x/|a|) / (a.y^2 +
/// a.z^2). It enters the horseshoe negative from A and positive to B.
inline double legTerm(double ax, double ay, double az, double ia) {
    const double d = ay * ay + az * az;
    const double T = (1.0 + ax * ia) / (d > 0 ? d : 1e-34);
    return ay * T;
}

/// The bound segment from A to B, with a2 = |a|^2, ia = 1/|a| and ib = 1/|b|.
inline double boundTerm(double ax, double ay, double az, double bx, double by, double bz, double a2, double ia,
                        double ib) {
    const double rx = bx - ax, ry = by - ay, rz = bz - az; // r0 = A - B
    const double sa = rx * ax + ry * ay + rz * az;
    const double sb = rx * bx + ry * by + rz * bz;
    const double qx = ry * az - rz * ay, qy = rz * ax - rx * az, qz = rx * ay - ry * ax; // r0 x a
    const double Q = qx * qx + qy * qy + qz * qz;
    const double r2 = rx * rx + ry * ry + rz * rz;
    const bool offLine = Q > 1e-20 * r2 * a2;
    const double FAny = (sa * ia - sb * ib) / (offLine ? Q : 1.0);
    const double F = offLine ? FAny : 0.0;
    return qz * F;
}

/// boundTerm for A and B at the same height (a.z = b.z = z, so r0.z = 0): the terms of r0.z left
/// out, which only ever add zeros. Equal to boundTerm (up to the sign of a zero result).
inline double boundTermLevel(double ax, double ay, double bx, double by, double z, double a2, double ia, double ib) {
    const double rx = bx - ax, ry = by - ay; // r0 = A - B
    const double sa = rx * ax + ry * ay;
    const double sb = rx * bx + ry * by;
    const double qx = ry * z, qy = -(rx * z), qz = rx * ay - ry * ax; // r0 x a
    const double Q = qx * qx + qy * qy + qz * qz;
    const double r2 = rx * rx + ry * ry;
    const bool offLine = Q > 1e-20 * r2 * a2;
    const double FAny = (sa * ia - sb * ib) / (offLine ? Q : 1.0);
    const double F = offLine ? FAny : 0.0;
    return qz * F;
}

inline double squaredLength(double x, double y, double z) { return x * x + y * y + z * z; }

/// The same as INDU(a, b) on the components, for loops the compiler can vectorise.
/// a = C - A and b = C - B (mm) for the horseshoe +inf -> A -> B -> +inf and the point C.
/// Round-off makes a point on the line of the bound segment give a cross product of 1e-24..1e-32
/// instead of 0, whose inverse would be a huge wrong term: the bound segment is therefore left
/// out when |r0 x a|^2 <= 1e-20 |r0|^2 |a|^2 (sine of the angle below 1e-10). A point straight
/// behind a corner (a.y = a.z = 0) uses 1e-34 for a.y^2 + a.z^2; its leg term is 0 either way.
/// A point on a corner itself (a = 0) contributes no bound term and no leg term of that corner.
inline double induComponents(double ax, double ay, double az, double bx, double by, double bz) {
    const double a2 = squaredLength(ax, ay, az), b2 = squaredLength(bx, by, bz);
    const double ia = inverseLength(a2), ib = inverseLength(b2);
    return boundTerm(ax, ay, az, bx, by, bz, a2, ia, ib) - legTerm(ax, ay, az, ia) + legTerm(bx, by, bz, ib);
}

/// INDU(a, b): z-velocity at C of the unit horseshoe +inf -> A -> B -> +inf, a = C - A,
/// b = C - B (mm); positive circulation gives downwash (negative) behind the bound segment:
/// A = (0, -1, 0), B = (0, 1, 0), C = (1, 0, 0) gives -4.828.
inline double INDU(const Vec3& a, const Vec3& b) { return induComponents(a.x, a.y, a.z, b.x, b.y, b.z); }

} // namespace tv
